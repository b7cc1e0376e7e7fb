# The target platform: a 32-bit Windows console build. Build machines without
# 32-bit support cannot run it, so its tests inspect the executable instead.
set(grid_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
