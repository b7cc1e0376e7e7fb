# 64-bit Windows console build. Its tests run under Wine, in a prefix kept
# inside the build tree so that they never touch the user's own.
set(grid_mingw_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

find_program(GRID_WINE64 NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(GRID_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env
      WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
      ${GRID_WINE64})
endif()
