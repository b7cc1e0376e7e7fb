# Runs one golden case: feeds <case>.stdin to the command, and passes when it
# exits 0, writes nothing to standard error and exactly the bytes of
# <case>.stdout to standard output. A failing case names each that differs.
#   cmake -DCASE=<dir>/<case> -DOUT=<file prefix> "-DRUN=<command;...>" -P run_golden.cmake

# Files, not pipes, for every stream: the run ends when the program does,
# even where it leaves helpers behind that inherit its streams (the services
# Wine starts on its first run, say).
execute_process(COMMAND ${RUN} INPUT_FILE ${CASE}.stdin OUTPUT_FILE ${OUT}.stdout ERROR_FILE ${OUT}.stderr
  RESULT_VARIABLE status)
file(READ ${OUT}.stdout actual)
file(READ ${OUT}.stderr errors)
file(READ ${CASE}.stdout expected)
if(NOT status STREQUAL "0")
  message(SEND_ERROR "exit status ${status}, expected 0")
endif()
if(NOT errors STREQUAL "")
  message(SEND_ERROR "standard error: [${errors}], expected nothing")
endif()
# The leading spaces keep CMake from rewrapping the two lines, so they line up.
if(NOT actual STREQUAL expected)
  message(SEND_ERROR " standard output: [${actual}]\n expected:        [${expected}]")
endif()
