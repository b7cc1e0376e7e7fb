# The target platform: a 32-bit Windows console build. Its tests run the
# program under the 32-bit Wine loader in a 32-bit prefix, which needs a host
# whose kernel runs 32-bit programs. Not every host's does, so the loader is
# asked for its version first.
set(grid_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(GRID_EMULATOR_NEEDS "the 32-bit Wine loader (Debian: wine32:i386)")
find_program(GRID_WINE32 wine HINTS /usr/lib/wine)
if(EXISTS "${GRID_WINE32}")
  # Some distributions install a shell script as `wine`; only the 32-bit ELF
  # loader itself is of use here.
  file(READ "${GRID_WINE32}" grid_wine32_ident LIMIT 5 HEX)
endif()
if(grid_wine32_ident STREQUAL "7f454c4601")
  list(APPEND GRID_WINE_ENV WINEARCH=win32)
  execute_process(COMMAND ${GRID_WINE32} --version TIMEOUT 60
    RESULT_VARIABLE grid_wine32_status OUTPUT_VARIABLE grid_wine32_answer ERROR_VARIABLE grid_wine32_answer)
  if(grid_wine32_status STREQUAL "0" AND grid_wine32_answer MATCHES "^wine-[0-9]")
    grid_run_under_wine(${GRID_WINE32})
  else()
    # Where the kernel refuses the loader (Exec format error), the C library
    # hands it to the shell as a script instead, and what comes back is the
    # shell's syntax error. Told to list its libraries, the loader's dynamic
    # linker, the 32-bit ld-linux.so.2, names itself wherever the kernel runs
    # it; the shell standing in for it names its own.
    set(ENV{LD_TRACE_LOADED_OBJECTS} 1)
    execute_process(COMMAND ${GRID_WINE32} TIMEOUT 60
      RESULT_VARIABLE grid_wine32_traced OUTPUT_VARIABLE grid_wine32_libraries ERROR_QUIET)
    unset(ENV{LD_TRACE_LOADED_OBJECTS})
    if(grid_wine32_traced MATCHES "^[0-9]+$" AND NOT grid_wine32_libraries MATCHES "/ld-linux\\.so\\.2 ")
      set(GRID_EMULATOR_REFUSED
        "this host cannot run 32-bit programs: the kernel would not run the 32-bit Wine loader (Exec format error), so `${GRID_WINE32} --version` ended with status ${grid_wine32_status}")
    else()
      # The loader runs but fails: an install to mend, not a host to accept.
      string(STRIP "${grid_wine32_answer}" grid_wine32_answer)
      string(REGEX REPLACE "[ \t]*\n[ \t\n]*" " / " grid_wine32_answer "${grid_wine32_answer}")
      string(APPEND GRID_EMULATOR_NEEDS
        ", which fails here: `${GRID_WINE32} --version` answered \"${grid_wine32_answer}\" (status ${grid_wine32_status})")
    endif()
  endif()
endif()
