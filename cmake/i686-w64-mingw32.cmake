# Builds a 32-bit Windows console program with mingw-w64. The tests run it
# under the 32-bit Wine loader.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
find_program(CMAKE_CROSSCOMPILING_EMULATOR wine HINTS /usr/lib/wine)
