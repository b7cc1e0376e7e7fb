# Shared by the Windows toolchain files, which set grid_mingw_arch first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${grid_mingw_arch})

set(grid_mingw_triple ${grid_mingw_arch}-w64-mingw32)
set(CMAKE_CXX_COMPILER ${grid_mingw_triple}-g++)
set(CMAKE_RC_COMPILER ${grid_mingw_triple}-windres)

# Tests run the .exe under Wine, in a prefix kept inside the build tree so
# that they never touch the user's own, with Wine's own messages off and no
# offer to install its optional runtimes. The tests keep one Wine server up
# for the whole run, through GRID_WINESERVER with GRID_WINE_ENV.
find_program(GRID_WINESERVER wineserver HINTS /usr/lib/wine)
set(GRID_WINE_ENV
  WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
macro(grid_run_under_wine)
  if(GRID_WINESERVER)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${GRID_WINE_ENV} ${ARGN})
  endif()
endmacro()
