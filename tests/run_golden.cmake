# Runs one golden case. It feeds CASE.stdin to RUN, and passes when RUN exits
# 0, writes nothing to standard error and exactly the bytes of CASE.stdout to
# standard output. A failing case names each of the three that differs.
# Every stream is a file, not a pipe, so the run ends when the program does,
# even where it leaves behind helpers that inherit its streams, as Wine does
# on its first run.
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
