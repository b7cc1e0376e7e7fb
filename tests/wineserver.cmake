# Starts one Wine server for the whole test run, and runs the program once
# under it, which sets up the prefix. The server waits 30 s after its last
# program before it exits, where it would wait 3, so that no case starts
# while the server of the case before it is shutting down. Run with the
# cases' WINEPREFIX in the environment:
#   cmake -DWINESERVER=<wineserver> -DLOG=<file> "-DRUN=<command;...>" -P wineserver.cmake
# It may run more than once (ctest --repeat): it replaces a running server.

cmake_minimum_required(VERSION 3.20)

# -k fails only when no server is running, which is fine here.
execute_process(COMMAND "${WINESERVER}" -k OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND "${WINESERVER}" -w)

# The server keeps its standard error open, and the Wine services that the
# first program starts keep that program's standard streams open for as long
# as the server lives. Both get the log, as a test's pipes would never end
# and ctest would wait on them.
file(WRITE "${LOG}.stdin" "")
file(MAKE_DIRECTORY "$ENV{WINEPREFIX}") # the server runs in it
execute_process(COMMAND "${WINESERVER}" --persistent=30 RESULT_VARIABLE status ERROR_FILE "${LOG}")
if(status STREQUAL "0")
  execute_process(COMMAND ${RUN} RESULT_VARIABLE status
    INPUT_FILE "${LOG}.stdin" OUTPUT_FILE "${LOG}" ERROR_FILE "${LOG}")
endif()
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "could not start a Wine server in $ENV{WINEPREFIX} (${status}); see ${LOG}")
endif()
