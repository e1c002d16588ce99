# Running the 64-bit Windows build under wine64: the tree's own prefix (build/x86_64/wineprefix), the wrapper
# that runs programs in it (also the tests' cross-compiling emulator) and the prefix's settings.
set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix)
set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
set(SHELL_OPEN_SCRIPT ${CMAKE_BINARY_DIR}/shell-open.sh)
set(WINE_PREFIX_REG ${CMAKE_BINARY_DIR}/wine-prefix.reg.txt)
# Built with the tests (tests/wine/desktop_keeper.c); --start runs it when it is there.
set(WINE_DESKTOP_KEEPER ${CMAKE_BINARY_DIR}/helpers/desktop_keeper.exe)
set(_executable_permissions
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/shell-open.sh.in ${SHELL_OPEN_SCRIPT} @ONLY
               FILE_PERMISSIONS ${_executable_permissions})
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-prefix.reg.in ${WINE_PREFIX_REG} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${WINE_RUN} @ONLY FILE_PERMISSIONS ${_executable_permissions})
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})
