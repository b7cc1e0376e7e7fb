# Shared by the Windows toolchain files, which set grid_mingw_arch first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${grid_mingw_arch})

set(grid_mingw_triple ${grid_mingw_arch}-w64-mingw32)
set(CMAKE_C_COMPILER ${grid_mingw_triple}-gcc)
set(CMAKE_CXX_COMPILER ${grid_mingw_triple}-g++)
set(CMAKE_RC_COMPILER ${grid_mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${grid_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
