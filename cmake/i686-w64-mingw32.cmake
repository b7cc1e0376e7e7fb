# Named -win32: the plain name may point to -posix, which builds other bytes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
find_program(CMAKE_CROSSCOMPILING_EMULATOR wine HINTS /usr/lib/wine)
