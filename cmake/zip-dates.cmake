# cpack runs this after it packs the zip, before it takes the SHA-256. The
# zip records each entry's owner, and its time in the packer's time zone.
# strip-nondeterminism sets every owner to 0 and every time to one UTC date,
# SOURCE_DATE_EPOCH or else the last commit's, which is read as this runs.
# Only a strip-nondeterminism on PATH counts, as in a shell.
find_program(strip_nondeterminism strip-nondeterminism PATHS ENV PATH NO_DEFAULT_PATH)
set(date "$ENV{SOURCE_DATE_EPOCH}")
if(date STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}
    OUTPUT_VARIABLE date ERROR_VARIABLE git_said RESULT_VARIABLE git_result OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT strip_nondeterminism)
  string(APPEND missing " Install strip-nondeterminism (Debian: strip-nondeterminism).")
endif()
if(date STREQUAL "")
  string(APPEND missing " Set SOURCE_DATE_EPOCH, or pack from a checkout that git trusts. git log gave no date (${git_result}): ${git_said}")
endif()
if(missing)
  message(WARNING "This zip is not reproducible: it records this user and time zone, and without a date, this build's file times.${missing}")
  return()
endif()
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND ${strip_nondeterminism} --type zip --timestamp ${date} ${zip} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
