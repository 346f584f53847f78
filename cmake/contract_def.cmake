# Writes OUTPUT, a .def file exporting the contract's LIST (QB_MODULE_ENTRY_POINTS
# or QB_HOST_FUNCTIONS) by plain name, a name a line: the preprocessor of
# COMPILER (of the kind COMPILER_ID) expands the list in TEMPLATE, with
# SOURCE_DIR on the include path.
if(COMPILER_ID STREQUAL "MSVC")
  set(preprocess /nologo /EP /TP /DQB_EXPORTED=${LIST} /I${SOURCE_DIR} ${TEMPLATE})
else()
  set(preprocess -E -P -x c++ -DQB_EXPORTED=${LIST} -I${SOURCE_DIR} ${TEMPLATE})
endif()
execute_process(COMMAND ${COMPILER} ${preprocess} OUTPUT_VARIABLE expanded RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "Could not expand ${LIST} from ${TEMPLATE}")
endif()
string(STRIP "${expanded}" expanded)
string(REGEX REPLACE "[ \t\r\n]+" "\n    " lines "${expanded}")
file(WRITE ${OUTPUT} "${lines}\n")
