# The test build: the same sources for 64-bit Windows, run under wine64.
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Replaced by the build tree's own wrapper (cmake/wine-run.sh.in); this bare value serves try_run().
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
