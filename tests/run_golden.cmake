# Runs one golden case: feeds <case>.stdin to the command, and passes when it
# exits 0, writes nothing to standard error and exactly the bytes of
# <case>.stdout to standard output.
#   cmake -DCASE=<dir>/<case> -DOUT=<file prefix> "-DRUN=<command;...>" -P run_golden.cmake

# Files, not pipes, for every stream: the run ends when the program does,
# even where it leaves helpers behind that inherit its streams (the services
# Wine starts on its first run, say).
execute_process(COMMAND ${RUN} INPUT_FILE ${CASE}.stdin OUTPUT_FILE ${OUT}.stdout ERROR_FILE ${OUT}.stderr
  RESULT_VARIABLE status)
file(READ ${OUT}.stdout actual)
file(READ ${OUT}.stderr errors)
file(READ ${CASE}.stdout expected)
if(NOT status STREQUAL "0" OR NOT actual STREQUAL expected OR NOT errors STREQUAL "")
  message(FATAL_ERROR "exit status ${status}, expected 0\nstandard error: [${errors}], expected nothing\n"
    "standard output: [${actual}]\nexpected:        [${expected}]")
endif()
