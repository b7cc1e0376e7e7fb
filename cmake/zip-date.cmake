# cpack reads this each time it packs. The zip's dates, and the one that
# strip writes into grid.exe's header, are the last commit's, never the
# clock's; read here, the date follows a new commit with no configure.

# The source of grid is a commit, which git archive packs exactly; a source
# package made from the work tree would take in whatever lies there too.
if(CPACK_PACKAGE_FILE_NAME STREQUAL CPACK_SOURCE_PACKAGE_FILE_NAME)
  message(FATAL_ERROR "grid makes no source package: git archive packs a commit's source")
endif()

# A tree without history takes 1980-01-01, the earliest date a zip holds.
set(date 315532800)
# Only this project's own history counts, not that of a repository it
# happens to be unpacked into. Whoever owns the checkout, its packer may
# read the date: configuring ran the project's code anyway.
if(CPACK_GRID_GIT AND EXISTS "${CPACK_GRID_SOURCE_DIR}/.git")
  execute_process(COMMAND "${CPACK_GRID_GIT}" -c safe.directory=* log -1 --format=%ct
    WORKING_DIRECTORY "${CPACK_GRID_SOURCE_DIR}" OUTPUT_VARIABLE commit_date
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(commit_date MATCHES "^[0-9]+$")
    set(date ${commit_date})
  endif()
endif()
# Read by strip, and by zip-normalize.cmake once the zip is packed.
set(ENV{SOURCE_DATE_EPOCH} ${date})
