# What a Windows user gets: grid-<version>-win32.zip (or -win64), one folder
# with grid.exe beside README.txt, and its SHA-256 in a file beside it. Any
# checkout of a commit packs the same bytes, whoever packs it, and wherever
# and whenever: the two scripts named below say how.
install(TARGETS grid DESTINATION .)
# CR LF, as every Windows editor shows it, Notepad before Windows 10 too.
configure_file(${PROJECT_SOURCE_DIR}/src/README.txt ${PROJECT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)

math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
set(CPACK_GENERATOR ZIP)
# Named apart, as include(CPack) sets CPACK_PACKAGE_FILE_NAME to the source
# package's name once it has written the zip's configuration.
set(CPACK_GRID_ZIP_NAME grid-${PROJECT_VERSION}-win${bits})
set(CPACK_PACKAGE_FILE_NAME ${CPACK_GRID_ZIP_NAME})
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/zip-date.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/zip-normalize.cmake)
find_package(Git QUIET)
find_program(GRID_STRIP_NONDETERMINISM strip-nondeterminism)
set(CPACK_GRID_GIT ${GIT_EXECUTABLE})
set(CPACK_GRID_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_GRID_STRIP_NONDETERMINISM ${GRID_STRIP_NONDETERMINISM})
include(CPack)
