# Packs the Windows zip as the zip target does, into OUT, and checks what a
# user unpacks from it: one folder holding just README.txt and the program,
# the program stripped and passing the same inspections as the build's, but
# importing only KERNEL32.dll and msvcrt.dll, which every Windows it names
# ships, and the README plain text with CR LF line ends, for people who run
# grid rather than build it.
#   cmake <the zip target's -D arguments> -DOUT=<dir> -DOBJDUMP=<objdump> -DWINDRES=<windres>
#         -DEXPECT=pe32|pe32+ -DVERSION=<x.y.z> -P inspect_package.cmake

cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/unpacked")
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/pack-zip.cmake)

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${zip}"
  WORKING_DIRECTORY "${OUT}/unpacked" RESULT_VARIABLE status)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${OUT}/unpacked" "${OUT}/unpacked/*")
list(SORT files)
set(expected "${NAME}/README.txt;${NAME}/grid.exe")
if(NOT status STREQUAL "0" OR NOT files STREQUAL expected)
  message(FATAL_ERROR "${zip} unpacks (${status}) to\n  ${files}\nexpected\n  ${expected}")
endif()

set(unpacked "${OUT}/unpacked/${NAME}")
set(failures)
# Written again with CR LF line ends, README.txt must come out the same.
configure_file("${unpacked}/README.txt" "${OUT}/README-crlf.txt" @ONLY NEWLINE_STYLE CRLF)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${unpacked}/README.txt" "${OUT}/README-crlf.txt"
  RESULT_VARIABLE differs)
if(differs)
  list(APPEND failures "README.txt has line ends other than CR LF")
endif()
file(READ "${unpacked}/README.txt" readme)
string(TOLOWER "${readme}" lower)
string(REGEX MATCHALL "[^\n]*(cmake|ctest|preset|wine|valgrind|qemu|[^a-z]ci[^a-z])[^\n]*" builders "${lower}")
foreach(line IN LISTS builders)
  list(APPEND failures "README.txt is for people who run grid, not who build it: ${line}")
endforeach()
if(NOT readme MATCHES "valueGrid\\[0\\]\\[0\\] = 5valueGrid\\[0\\]\\[1\\] = 6")
  list(APPEND failures "README.txt shows no example")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -DOBJDUMP=${OBJDUMP} -DWINDRES=${WINDRES}
    -DEXECUTABLE=${unpacked}/grid.exe -DEXPECT=${EXPECT} -DVERSION=${VERSION} -DSTRIPPED=ON
    -P "${CMAKE_CURRENT_LIST_DIR}/inspect_executable.cmake"
  RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  list(APPEND failures "the program fails inspection")
endif()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${zip}:\n${report}")
endif()
