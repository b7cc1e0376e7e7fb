# The target platform: a 32-bit Windows console build. Its tests start the
# 32-bit Wine loader under qemu-i386. The loader re-executes itself as it
# starts, and where the host kernel runs 32-bit code that second stage, and
# with it the program, runs natively: a case then takes well under a second,
# where one kept under emulation throughout takes minutes.
set(grid_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(GRID_EMULATOR_NEEDS "qemu-i386 and the 32-bit Wine loader (Debian: qemu-user, wine32:i386)")
find_program(GRID_QEMU_I386 qemu-i386)
find_program(GRID_WINE32 wine HINTS /usr/lib/wine)
if(EXISTS "${GRID_WINE32}")
  # Some distributions install a shell script as `wine`; qemu runs only the
  # 32-bit ELF loader itself.
  file(READ "${GRID_WINE32}" grid_wine32_ident LIMIT 5 HEX)
endif()
if(GRID_QEMU_I386 AND grid_wine32_ident STREQUAL "7f454c4601")
  # The loader's libraries come from the host's root. Said through the
  # environment: the test scripts, run by `cmake -P`, would take -L for
  # themselves.
  list(APPEND GRID_WINE_ENV QEMU_LD_PREFIX=/)
  grid_run_under_wine(${GRID_QEMU_I386} ${GRID_WINE32})
endif()
