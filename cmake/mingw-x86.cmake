# x86: the contract's 32-bit Windows module and host, cross-compiled with Debian's mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(QB_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-windows.cmake)
