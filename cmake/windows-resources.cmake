# Properties > Details on Windows shows the version resource, whose numbers
# come from project(); the manifest runs the program with the user's own
# rights.
enable_language(RC)
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
