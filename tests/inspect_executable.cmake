# Checks that a Windows program is a console program of the kind expected
# that needs nothing beyond the operating system, and with WINDRES, what it
# says of itself:
#   cmake -DOBJDUMP=<objdump> -DEXECUTABLE=<file> -DEXPECT=pe32|pe32+ [-DSTRIPPED=ON]
#         [-DUCRT=ON] [-DCHECK_IMPORTS=OFF] [-DWINDRES=<windres> -DVERSION=<x.y.z>]
#         -P inspect_executable.cmake
# It may import only KERNEL32.dll and msvcrt.dll or, with UCRT=ON, also the
# C runtime that Windows 10 and later ship; with STRIPPED=ON it must have no
# symbol table. CHECK_IMPORTS=OFF is for a stand-in linked without any
# runtime, whose imports would say nothing. As windres lists its resources
# back as source, it must hold exactly one manifest, asking to run as
# invoker, and exactly one version resource, whose numbers and strings are
# VERSION.

cmake_minimum_required(VERSION 3.21)

execute_process(COMMAND "${OBJDUMP}" -p "${EXECUTABLE}"
  OUTPUT_VARIABLE headers RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${OBJDUMP} -p failed (${status}): ${errors}")
endif()

set(failures)
string(REPLACE "+" "\\+" magic "${EXPECT}")
string(TOUPPER "${magic}" magic)
if(NOT headers MATCHES "\nMagic[ \t]+[0-9a-fA-F]+[ \t]+\\(${magic}\\)")
  list(APPEND failures "not a ${EXPECT} image")
endif()
if(NOT headers MATCHES "\nSubsystem[ \t]+[0-9a-fA-F]+[ \t]+\\(Windows CUI\\)")
  list(APPEND failures "not a console program")
endif()
if(STRIPPED AND NOT headers MATCHES "\n[ \t]+symbols stripped\n")
  list(APPEND failures "not stripped")
endif()

if(NOT CHECK_IMPORTS STREQUAL "OFF")
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  if(NOT imports)
    list(APPEND failures "no imported DLL found: the headers were not read")
  endif()
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll_lower)
    if(dll_lower MATCHES "^(kernel32|msvcrt)\\.dll$")
    elseif(UCRT AND dll_lower MATCHES "^(ucrtbase|api-ms-win-crt-[a-z0-9-]+)\\.dll$")
    else()
      list(APPEND failures "imports ${dll}, which not every Windows it is made for ships")
    endif()
  endforeach()
endif()

if(WINDRES)
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
endif()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${EXECUTABLE}:\n${report}")
endif()
