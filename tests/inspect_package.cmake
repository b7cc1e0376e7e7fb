# Packs the Windows zip as the package target does, and checks what a user
# unpacks from it: one folder holding just the README and the program, the
# program stripped and still needing nothing beyond the system's own DLLs.
#   cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DWORK=<dir> -DNAME=<package>
#         -DREADME=<README.md> -DOBJDUMP=<objdump> -DWINDRES=<windres> -DEXPECT=pe32|pe32+ -DVERSION=<x.y.z>
#         -P inspect_package.cmake

cmake_minimum_required(VERSION 3.20)

foreach(variable IN ITEMS CPACK CONFIG WORK NAME README OBJDUMP WINDRES EXPECT VERSION)
  if(NOT ${variable})
    message(FATAL_ERROR "usage: see the head of ${CMAKE_CURRENT_LIST_FILE}")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/unpacked")
execute_process(COMMAND "${CPACK}" -G ZIP --config "${CONFIG}" -B "${WORK}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
set(zip "${WORK}/${NAME}.zip")
if(NOT status STREQUAL "0" OR NOT EXISTS "${zip}")
  message(FATAL_ERROR "cpack did not make ${zip} (${status}):\n${output}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${zip}"
  WORKING_DIRECTORY "${WORK}/unpacked" RESULT_VARIABLE status)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${WORK}/unpacked" "${WORK}/unpacked/*")
list(SORT files)
set(expected "${NAME}/README.md;${NAME}/grid.exe")
if(NOT status STREQUAL "0" OR NOT files STREQUAL expected)
  message(FATAL_ERROR "${zip} unpacks (${status}) to\n  ${files}\nexpected\n  ${expected}")
endif()

set(unpacked "${WORK}/unpacked/${NAME}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${README}" "${unpacked}/README.md"
  RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "the README in ${zip} is not ${README}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -DOBJDUMP=${OBJDUMP} -DWINDRES=${WINDRES} -DEXECUTABLE=${unpacked}/grid.exe
    -DEXPECT=${EXPECT} -DVERSION=${VERSION} -DSTRIPPED=ON -P "${CMAKE_CURRENT_LIST_DIR}/inspect_executable.cmake"
  RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "the program in ${zip} does not pass inspection")
endif()
