# Run by CPack after it has written each zip and before it takes the
# checksum: sets every owner id in the zip to 0 and every time to the
# package date, in UTC, so that the bytes depend on the commit alone.

# CPack still copies a zip out, with its checksum, after this script fails:
# one that could not be made reproducible is removed first.
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  if(NOT GRID_STRIP_NONDETERMINISM)
    file(REMOVE "${zip}")
    message(FATAL_ERROR "cannot make ${zip} reproducible without strip-nondeterminism "
      "(Debian: strip-nondeterminism); install it and configure again")
  endif()
  execute_process(COMMAND ${GRID_STRIP_NONDETERMINISM} --type zip
      --timestamp $ENV{SOURCE_DATE_EPOCH} ${zip}
    RESULT_VARIABLE status)
  if(NOT status STREQUAL "0")
    file(REMOVE "${zip}")
    message(FATAL_ERROR "strip-nondeterminism could not normalize ${zip} (${status})")
  endif()
endforeach()
