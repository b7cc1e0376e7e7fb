# Packs grid.exe, stripped, beside its README into <OUT>/<NAME>.zip, with its
# SHA-256 in <NAME>.zip.sha256, as the zip target does:
#   cmake -DEXECUTABLE=<grid.exe> -DREADME=<README.txt> -DOUT=<dir> -DNAME=<folder in the zip>
#         -DSTRIP=<strip> -DSTRIP_NONDETERMINISM=<tool> -DGIT=<git> -DSOURCE=<sources> -P pack-zip.cmake
# The bytes depend on the commit alone: every date in the zip, and the one
# that strip writes into the program's header, is the last commit's, never
# the clock's, and it is read as the zip is packed, so that packing right
# after a commit needs no configure.

cmake_minimum_required(VERSION 3.21)

if(NOT STRIP_NONDETERMINISM)
  message(FATAL_ERROR "cannot make the zip reproducible without strip-nondeterminism "
    "(Debian: strip-nondeterminism); install it and configure again")
endif()

# A tree without history takes 1980-01-01, the earliest date a zip holds.
set(date 315532800)
set(origin "no git history found, so the fixed date")
# Only this project's own history counts, not that of a repository it
# happens to be unpacked into. Whoever owns the checkout, its packer may
# read the date: configuring ran the project's code anyway.
if(GIT AND EXISTS "${SOURCE}/.git")
  execute_process(COMMAND "${GIT}" -c safe.directory=* log -1 --format=%ct
    WORKING_DIRECTORY "${SOURCE}" OUTPUT_VARIABLE commit_date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(commit_date MATCHES "^[0-9]+$")
    set(date ${commit_date})
    set(origin "from the last commit")
  endif()
endif()
set(ENV{SOURCE_DATE_EPOCH} ${date}) # read by strip and string(TIMESTAMP)
string(TIMESTAMP readable "%Y-%m-%d %H:%M:%S UTC" UTC)
message(STATUS "Package date: ${readable}, ${origin}")

# Modes are set here, not left to the packer's umask.
file(REMOVE_RECURSE "${OUT}/${NAME}")
file(COPY "${EXECUTABLE}" DESTINATION "${OUT}/${NAME}" FILE_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(COPY "${README}" DESTINATION "${OUT}/${NAME}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
get_filename_component(program "${EXECUTABLE}" NAME)
get_filename_component(readme "${README}" NAME)
set(zip "${OUT}/${NAME}.zip")
file(REMOVE "${zip}" "${zip}.sha256")

# Runs one step of the packing; a zip that a step failed is not left behind.
function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${OUT}" RESULT_VARIABLE status)
  if(NOT status STREQUAL "0")
    file(REMOVE "${zip}")
    message(FATAL_ERROR "${ARGV0} failed (${status}): no zip was made")
  endif()
endfunction()

run("${STRIP}" "${NAME}/${program}")
run("${CMAKE_COMMAND}" -E tar cf "${zip}" --format=zip "${NAME}/${readme}" "${NAME}/${program}")
# The archive records each entry's owner and time as the packer's; the same
# tool that Debian uses for its own packages sets every owner to 0 and every
# time to the package date, in UTC.
run("${STRIP_NONDETERMINISM}" --type zip --timestamp ${date} "${zip}")
file(SHA256 "${zip}" sha256)
file(WRITE "${zip}.sha256" "${sha256}  ${NAME}.zip\n")
message(STATUS "Packed ${zip}")
