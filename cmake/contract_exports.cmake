# Export files made at build time from the host contract's lists, so that the
# module, quillhost and the test host hold no copies of the names.
set(QB_CONTRACT_DEF_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/contract_def.cmake)

# A target NAME that writes NAME.def, exporting the contract's LIST by plain name.
function(qb_contract_exports name list)
  set(template ${CMAKE_SOURCE_DIR}/src/platform/contract_exports.def.in)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DCOMPILER=${CMAKE_CXX_COMPILER} -DCOMPILER_ID=${CMAKE_CXX_COMPILER_ID} -DLIST=${list}
            -DTEMPLATE=${template} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/src -DOUTPUT=${output} -P ${QB_CONTRACT_DEF_SCRIPT}
    DEPENDS ${template} ${CMAKE_SOURCE_DIR}/src/platform/contract_lists.h ${QB_CONTRACT_DEF_SCRIPT}
    VERBATIM)
  add_custom_target(${name} DEPENDS ${output})
  set_target_properties(${name} PROPERTIES QB_DEF_FILE ${output})
endfunction()

# Links TARGET with the export file that EXPORTS (a target of qb_contract_exports) writes.
function(qb_link_exports target exports)
  get_target_property(def ${exports} QB_DEF_FILE)
  add_dependencies(${target} ${exports})
  if(MSVC)
    target_link_options(${target} PRIVATE /DEF:${def})
  else()
    target_link_options(${target} PRIVATE ${def})
  endif()
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def})
endfunction()
