# What a Windows user gets: grid.exe saying what it is (a version resource
# and an application manifest), packed beside the README into a zip that
# comes out the same byte for byte from any checkout of a commit, whoever
# packs it, wherever and whenever, with its SHA-256 beside it.

# The date in the zip and in the program's header is the last commit's (or
# SOURCE_DATE_EPOCH's, where the caller sets it), never the build's clock. A
# tree without history takes 1980-01-01, the earliest date a zip can hold.
set(source_date_epoch 315532800)
set(source_date_origin "no git history found, so the fixed date")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
  set(source_date_origin "from SOURCE_DATE_EPOCH")
else()
  # Only this project's own history counts, not that of a repository it
  # happens to be unpacked into. Whoever owns the checkout, its builder may
  # read the date: configuring runs the project's code anyway.
  find_package(Git QUIET)
  if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    set(git ${GIT_EXECUTABLE} -c safe.directory=*)
    execute_process(COMMAND ${git} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE commit_date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(commit_date MATCHES "^[0-9]+$")
      set(source_date_epoch ${commit_date})
      set(source_date_origin "from the last commit")
    endif()

    # Configure again whenever HEAD moves (commit, amend, checkout, reset),
    # so that the next build packs the new date. These are the files git
    # rewrites then: HEAD itself, its log, and the branch it names, loose or
    # packed. Only files that exist can be watched.
    execute_process(COMMAND ${git} symbolic-ref -q HEAD
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE branch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(git_paths)
    foreach(file IN ITEMS HEAD logs/HEAD packed-refs ${branch})
      list(APPEND git_paths --git-path ${file})
    endforeach()
    execute_process(COMMAND ${git} rev-parse ${git_paths}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE watched OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    string(REPLACE "\n" ";" watched "${watched}")
    foreach(path IN LISTS watched)
      get_filename_component(path "${path}" ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
      if(EXISTS "${path}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${path}")
      endif()
    endforeach()
  endif()
endif()
if(NOT source_date_epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a count of seconds, not '${source_date_epoch}'")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${source_date_epoch}) # read by string(TIMESTAMP)
string(TIMESTAMP source_date "%Y-%m-%d %H:%M:%S UTC" UTC)
message(STATUS "Package date: ${source_date}, ${source_date_origin}")

# The linker writes the date into the header, and so does strip when the
# package is made.
set_target_properties(grid PROPERTIES
  CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;SOURCE_DATE_EPOCH=${source_date_epoch}")

# Properties > Details on Windows shows the version resource, whose numbers
# come from project(); the manifest runs the program with the user's own
# rights and names the Windows versions it was made for.
enable_language(RC)
foreach(part IN ITEMS MAJOR MINOR PATCH TWEAK)
  if(NOT PROJECT_VERSION_${part})
    set(PROJECT_VERSION_${part} 0)
  endif()
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/src/grid.rc.in ${PROJECT_BINARY_DIR}/grid.rc @ONLY)
target_sources(grid PRIVATE ${PROJECT_BINARY_DIR}/grid.rc)
set_property(SOURCE ${PROJECT_BINARY_DIR}/grid.rc APPEND PROPERTY
  OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/src/grid.manifest)
if(MSVC)
  # Linkers that take cl's rules (Visual Studio's, lld-link) make a manifest
  # of their own too, which CMake then embeds as resource 1 beside ours, or
  # over it, or leaves in a file beside grid.exe.
  target_link_options(grid PRIVATE /MANIFEST:NO)
endif()

# One folder: the program beside its README, packed as
# grid-<version>-win32.zip (or -win64) by the package target.
install(TARGETS grid RUNTIME DESTINATION .)
install(FILES README.md DESTINATION .)
set(CPACK_GENERATOR ZIP)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_STRIP_FILES ON)

# CPack writes the packing user's ids into every entry and its times in the
# packer's time zone. The same tool that Debian uses for its own packages
# sets the owners to 0 and every time to the package date, in UTC, before
# the checksum is taken of the final bytes.
find_program(GRID_STRIP_NONDETERMINISM strip-nondeterminism)
if(NOT GRID_STRIP_NONDETERMINISM)
  # Only packing needs it, so a build that never packs is not warned.
  message(STATUS "strip-nondeterminism not found: the package target will fail, "
    "as its zip could not be made reproducible (Debian: strip-nondeterminism)")
endif()
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/normalize-zip.cmake)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} @ONLY CONTENT [[
set(ENV{SOURCE_DATE_EPOCH} @source_date_epoch@)
set(GRID_STRIP_NONDETERMINISM "@GRID_STRIP_NONDETERMINISM@")
]])

# The source zip holds what git tracks: never the history, nor a build tree
# kept inside the sources.
set(CPACK_SOURCE_GENERATOR ZIP)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_SOURCE_IGNORE_FILES)
set(ignored "${PROJECT_SOURCE_DIR}/.git" "${PROJECT_SOURCE_DIR}/build")
if(NOT PROJECT_BINARY_DIR STREQUAL PROJECT_SOURCE_DIR)
  list(APPEND ignored "${PROJECT_BINARY_DIR}")
endif()
foreach(path IN LISTS ignored)
  string(REGEX REPLACE "([][+.*?()^$|\\])" "\\\\\\1" path "${path}")
  list(APPEND CPACK_SOURCE_IGNORE_FILES "^${path}(/|$)")
endforeach()
include(CPack)
