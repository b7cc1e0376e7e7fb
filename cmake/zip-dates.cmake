# cpack runs this after it packs the zip, before it takes the SHA-256. The
# zip records each entry's owner, and its time in the packer's time zone.
# strip-nondeterminism sets every owner to 0 and every time to one UTC date,
# SOURCE_DATE_EPOCH or else the last commit's, which is read as this runs.
# Only a strip-nondeterminism on PATH counts, as in a shell.
find_program(strip_nondeterminism strip-nondeterminism PATHS ENV PATH NO_DEFAULT_PATH)
set(date "$ENV{SOURCE_DATE_EPOCH}")
if(strip_nondeterminism AND date STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}
    OUTPUT_VARIABLE date ERROR_VARIABLE git_said OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT strip_nondeterminism OR date STREQUAL "")
  message(WARNING "This zip is not reproducible: its dates are this checkout's, in this time zone. For the "
    "same bytes as from any other checkout, install strip-nondeterminism (Debian: strip-nondeterminism), "
    "and pack from a git clone or set SOURCE_DATE_EPOCH. ${git_said}")
  return()
endif()
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND ${strip_nondeterminism} --type zip --timestamp ${date} ${zip} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
