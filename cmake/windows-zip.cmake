# What a Windows user gets: a zip that comes out the same byte for byte from
# any checkout of a commit, whoever packs it, wherever and whenever, with its
# SHA-256 beside it. The mingw-w64 builds pack it.

# The zip target packs grid-<version>-win32.zip (or -win64): one folder
# with the program beside a README for the people who run it.
math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
set(GRID_ZIP_NAME grid-${PROJECT_VERSION}-win${bits})

# That README is README.md without what only builders need (the Quick start
# and the pointer to BUILDING.md), with the line ends that every Windows
# editor shows.
file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
string(REGEX REPLACE "\n## Quick start\n[^#]*" "\n" readme "${readme}")
string(REGEX REPLACE "\n+[^\n]*BUILDING\\.md[^\n]*" "" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE ${PROJECT_BINARY_DIR}/README.txt "${readme}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)

find_package(Git QUIET)
find_program(GRID_STRIP_NONDETERMINISM strip-nondeterminism)
set(GRID_ZIP_ARGS -DEXECUTABLE=$<TARGET_FILE:grid> -DREADME=${PROJECT_BINARY_DIR}/README.txt
  -DNAME=${GRID_ZIP_NAME} -DSTRIP=${CMAKE_STRIP} -DSTRIP_NONDETERMINISM=${GRID_STRIP_NONDETERMINISM}
  -DGIT=${GIT_EXECUTABLE} -DSOURCE=${PROJECT_SOURCE_DIR})
add_custom_target(zip COMMAND ${CMAKE_COMMAND} ${GRID_ZIP_ARGS} -DOUT=${PROJECT_BINARY_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/pack-zip.cmake
  DEPENDS grid VERBATIM)
