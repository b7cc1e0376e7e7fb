# cpack reads this each time it packs, so the zip's date follows a new commit
# with no configure in between.

# grid packs only its zip: a source package (package_source) would take in
# whatever lies in the work tree, where git archive packs exactly a commit's
# source.
if(NOT CPACK_GENERATOR STREQUAL "ZIP" OR NOT CPACK_PACKAGE_FILE_NAME STREQUAL CPACK_GRID_ZIP_NAME)
  message(FATAL_ERROR "grid packs only ${CPACK_GRID_ZIP_NAME}.zip, not ${CPACK_PACKAGE_FILE_NAME} "
    "with ${CPACK_GENERATOR}: git archive packs its source")
endif()

# Every date in the zip is the last commit's, never the clock's. A tree
# without history takes 1980-01-01, the earliest date a zip holds. Only this
# project's own history counts, not that of a repository it happens to be
# unpacked into; whoever owns the checkout, its packer may read the date, as
# configuring ran the project's code anyway.
set(date 315532800)
if(EXISTS "${CPACK_GRID_SOURCE_DIR}/.git")
  # Set by a git hook, say, these would point git at another repository.
  unset(ENV{GIT_DIR})
  unset(ENV{GIT_WORK_TREE})
  execute_process(COMMAND "${CPACK_GRID_GIT}" -c safe.directory=* log -1 --format=%ct
    WORKING_DIRECTORY "${CPACK_GRID_SOURCE_DIR}" RESULT_VARIABLE status OUTPUT_VARIABLE date
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status STREQUAL "0" OR NOT date MATCHES "^[0-9]+$")
    message(FATAL_ERROR "cannot read the last commit's date with git ('${CPACK_GRID_GIT}', ${status}), "
      "so the zip would not come out as from any other checkout: with git installed, configure again")
  endif()
endif()
# For zip-normalize.cmake, which cpack runs once it has packed.
set(CPACK_GRID_DATE ${date})
