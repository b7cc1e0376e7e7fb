# cpack runs this once it has packed the zip, before it takes the SHA-256.
# The zip holds each entry's time in the packer's time zone, and its owner;
# strip-nondeterminism sets every time to one date, in UTC, and every owner
# to 0. That date is SOURCE_DATE_EPOCH where it is set, else the last
# commit's, read here so that it follows a commit with no configure between.
find_program(strip_nondeterminism strip-nondeterminism)
set(date "$ENV{SOURCE_DATE_EPOCH}")
if(NOT strip_nondeterminism)
  set(why "to pack the same bytes as any other checkout, install strip-nondeterminism (Debian: strip-nondeterminism)")
elseif(date STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE date ERROR_VARIABLE git_said
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
  if(NOT status STREQUAL "0")
    set(why "git cannot tell the last commit's date (${status}: ${git_said}), so set SOURCE_DATE_EPOCH")
  endif()
endif()
if(why)
  message(WARNING "This zip is not reproducible, as its dates are this checkout's, in this time zone: ${why}.")
  return()
endif()
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND ${strip_nondeterminism} --type zip --timestamp ${date} ${zip} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
