# Named -win32: the plain name may point to -posix, which builds other bytes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
find_program(CMAKE_CROSSCOMPILING_EMULATOR NAMES wine64 wine HINTS /usr/lib/wine)
