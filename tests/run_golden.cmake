# Feeds CASE.stdin to RUN, which must exit 0, write nothing to standard error
# and write exactly the bytes of CASE.stdout to standard output. Every stream
# is a file, not a pipe, so the run ends when the program does. Wine leaves its
# server behind for a few seconds, and the server inherits the streams.
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
