# Builds a 64-bit Windows console program with mingw-w64. The tests run it
# under the 64-bit Wine loader.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
find_program(CMAKE_CROSSCOMPILING_EMULATOR NAMES wine64 wine HINTS /usr/lib/wine)
