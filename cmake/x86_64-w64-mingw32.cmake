# 64-bit Windows console build; its tests run under Wine.
set(grid_mingw_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(GRID_EMULATOR_NEEDS "the 64-bit Wine loader (Debian: wine64)")
find_program(GRID_WINE64 NAMES wine64 wine HINTS /usr/lib/wine)
if(GRID_WINE64)
  grid_run_under_wine(${GRID_WINE64})
endif()
