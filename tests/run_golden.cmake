# Runs one golden case:
#   cmake -DCASE=<dir>/<name> -DWORK=<dir> "-DRUN=<command;...>" -P run_golden.cmake
# Feeds <name>.stdin to the command and passes when it exits 0, writes nothing
# to standard error and writes exactly the bytes of <name>.stdout.

cmake_minimum_required(VERSION 3.21)

get_filename_component(name "${CASE}" NAME)
set(actual "${WORK}/${name}.stdout")
file(MAKE_DIRECTORY "${WORK}")
# Files, not pipes, for every stream: the run ends when the program does,
# even where it leaves helpers behind that inherit its streams (the services
# an emulator starts on its first run, say).
execute_process(COMMAND ${RUN}
  INPUT_FILE "${CASE}.stdin"
  OUTPUT_FILE "${actual}"
  ERROR_FILE "${WORK}/${name}.stderr"
  RESULT_VARIABLE status)
file(READ "${WORK}/${name}.stderr" stderr)

set(failures)
if(NOT status STREQUAL "0")
  list(APPEND failures "exit status: expected 0, got ${status}")
endif()
if(NOT stderr STREQUAL "")
  list(APPEND failures "standard error: expected nothing, got:\n${stderr}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual}" "${CASE}.stdout"
  RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
if(differs)
  file(READ "${CASE}.stdout" expected_text)
  file(READ "${actual}" actual_text)
  list(APPEND failures "standard output differs\nexpected: [${expected_text}]\nactual:   [${actual_text}]")
endif()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${name}:\n${report}")
endif()
