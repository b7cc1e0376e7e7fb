# cpack runs this once it has packed the zip, before it takes the SHA-256.
# The zip records each entry's time in the packer's time zone, and its
# owner; the tool that Debian uses on its own packages sets every time to
# the date from zip-date.cmake, in UTC, and every owner to 0.
if(NOT CPACK_GRID_STRIP_NONDETERMINISM)
  message(FATAL_ERROR "cannot make the zip reproducible without strip-nondeterminism "
    "(Debian: strip-nondeterminism); install it and configure again")
endif()
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND "${CPACK_GRID_STRIP_NONDETERMINISM}" --type zip --timestamp ${CPACK_GRID_DATE} "${zip}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
