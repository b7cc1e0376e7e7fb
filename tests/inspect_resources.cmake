# Checks what a Windows program says of itself, as windres lists its
# resources back as source: exactly one manifest, asking to run as invoker,
# and exactly one version resource, whose numbers and strings are VERSION.
#   cmake -DWINDRES=<windres> -DEXECUTABLE=<file> -DVERSION=<x.y.z> -P inspect_resources.cmake

cmake_minimum_required(VERSION 3.20)

if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must be major.minor.patch, not '${VERSION}'")
endif()
set(numbers "${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}, 0")

# windres reads the resource tree however the linker laid it out, where
# objdump's listing stops after the first type of a tree laid out as
# MSVC-style linkers do.
execute_process(COMMAND "${WINDRES}" -J coff -O rc -i "${EXECUTABLE}"
  OUTPUT_VARIABLE resources RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${WINDRES} could not list the resources (${status}): ${errors}")
endif()

# Each resource starts with a line of its name and type.
set(failures)
foreach(type IN ITEMS VERSIONINFO 24)
  string(REGEX MATCHALL "\n[^ \n]+ ${type}[ \n]" found "${resources}")
  list(LENGTH found count)
  if(NOT count EQUAL 1)
    list(APPEND failures "${count} resources of type ${type}, not one")
  endif()
endforeach()
foreach(line IN ITEMS
    " FILEVERSION ${numbers}\n"
    " PRODUCTVERSION ${numbers}\n"
    "VALUE \"FileVersion\", \"${VERSION}\"\n"
    "VALUE \"ProductVersion\", \"${VERSION}\"\n"
    "level=\"\"asInvoker\"\"")
  string(FIND "${resources}" "${line}" at)
  if(at EQUAL -1)
    string(STRIP "${line}" line)
    list(APPEND failures "no ${line}")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${EXECUTABLE}:\n${report}")
endif()
