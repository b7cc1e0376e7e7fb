# The target platform: a 32-bit Windows console build. Its tests run the
# program under the 32-bit Wine loader in a 32-bit prefix.
set(grid_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Not every x86-64 host runs 32-bit programs: a virtual machine may have that
# switched off, and there a 32-bit program fails with "Exec format error".
# The probe is the 32-bit dynamic loader, the interpreter that every
# dynamically linked 32-bit program names, Wine's included: it needs nothing
# else to run, and it answers --version wherever the kernel runs it.
set(grid_i686_loader /lib/ld-linux.so.2)
if(EXISTS ${grid_i686_loader})
  execute_process(COMMAND ${grid_i686_loader} --version TIMEOUT 60
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status STREQUAL "0")
    set(GRID_EMULATOR_REFUSED
      "this host's kernel does not run 32-bit programs (the 32-bit loader, ${grid_i686_loader}, did not answer --version)")
  endif()
endif()

set(GRID_EMULATOR_NEEDS "the 32-bit Wine loader (Debian: wine32:i386)")
find_program(GRID_WINE32 wine HINTS /usr/lib/wine)
if(EXISTS "${GRID_WINE32}")
  # Some distributions install a shell script as `wine`; only the 32-bit ELF
  # loader itself is of use here.
  file(READ "${GRID_WINE32}" grid_wine32_ident LIMIT 5 HEX)
endif()
if(grid_wine32_ident STREQUAL "7f454c4601" AND NOT GRID_EMULATOR_REFUSED)
  list(APPEND GRID_WINE_ENV WINEARCH=win32)
  grid_run_under_wine(${GRID_WINE32})
endif()
