# x64: the same module and host for 64-bit Windows, cross-compiled with Debian's mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(QB_ARCH x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-windows.cmake)
