# Runs one golden case: feeds <case>.stdin to the command, and passes when it
# exits 0, writes nothing to standard error and exactly the bytes of
# <case>.stdout to standard output.
#   cmake -DCASE=<dir>/<case> -DOUT=<file prefix> "-DRUN=<command;...>" -P run_golden.cmake

# Files, not pipes, for every stream: the run ends when the program does,
# even where it leaves helpers behind that inherit its streams (the services
# Wine starts on its first run, say).
execute_process(COMMAND ${RUN} INPUT_FILE ${CASE}.stdin OUTPUT_FILE ${OUT}.stdout ERROR_FILE ${OUT}.stderr
  RESULT_VARIABLE status)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}.stdout ${CASE}.stdout RESULT_VARIABLE differs)
file(READ ${OUT}.stderr errors)
if(NOT status STREQUAL "0" OR differs OR NOT errors STREQUAL "")
  file(READ ${CASE}.stdout expected)
  file(READ ${OUT}.stdout actual)
  message(FATAL_ERROR "exit status ${status}, expected 0\nstandard error: [${errors}], expected nothing\n"
    "standard output: [${actual}]\nexpected:        [${expected}]")
endif()
