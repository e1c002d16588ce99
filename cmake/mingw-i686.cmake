# The product: 32-bit Windows. This kernel cannot run i386 binaries, so nothing built here is executed.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
