# Checks that a built executable needs nothing beyond the operating system:
#   cmake -DOBJDUMP=<objdump> -DEXECUTABLE=<file> -DEXPECT=<kind>
#         [-DWINDRES=<windres> -DVERSION=<x.y.z>] [-DSTRIPPED=ON] [-DCHECK_IMPORTS=OFF]
#         -P inspect_executable.cmake
# where <kind> is pe32 or pe32+ (a Windows console program importing only
# the system's own DLLs, carrying one manifest, which asks for no elevation,
# and one version resource, for VERSION, with no symbol table if STRIPPED)
# or static-pie (an ELF program with no loader and no shared libraries).
# CHECK_IMPORTS=OFF is for a stand-in linked without any runtime, whose
# imports would say nothing.

cmake_minimum_required(VERSION 3.20)

set(system_dlls kernel32.dll msvcrt.dll)
if(NOT DEFINED CHECK_IMPORTS)
  set(CHECK_IMPORTS ON)
endif()

# Sets <out> to how many resources of <type> a listing by windres holds.
function(count_resources out type listing)
  string(REGEX MATCHALL "\n[^ \n]+ ${type}[ \n]" found "${listing}")
  list(LENGTH found count)
  set(${out} ${count} PARENT_SCOPE)
endfunction()

# Sets <out> to the hexadecimal digits of <text> in UTF-16LE (ASCII only).
function(utf16_hex out text)
  string(HEX "${text}" hex)
  string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND "${OBJDUMP}" -p "${EXECUTABLE}"
  OUTPUT_VARIABLE headers RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${OBJDUMP} -p failed (${status}): ${errors}")
endif()

set(failures)
if(EXPECT STREQUAL "pe32" OR EXPECT STREQUAL "pe32+")
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
  if(NOT WINDRES)
    message(FATAL_ERROR "WINDRES is needed to list the resources of ${EXECUTABLE}")
  endif()
  # The resource compiler lists the resources back as source, one line
  # starting with the name and type of each. It reads the tree however the
  # linker laid it out, where objdump's listing stops after the first type
  # of a tree laid out as MSVC-style linkers do.
  execute_process(COMMAND "${WINDRES}" -J coff -O rc -i "${EXECUTABLE}"
    OUTPUT_VARIABLE resources RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${WINDRES} could not list the resources (${status}): ${errors}")
  endif()
  count_resources(versions VERSIONINFO "${resources}")
  if(NOT versions EQUAL 1)
    list(APPEND failures "${versions} version resources, not one")
  endif()
  count_resources(manifests 24 "${resources}")
  if(NOT manifests EQUAL 1)
    list(APPEND failures "${manifests} manifests, not one")
  endif()
  if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VERSION must be major.minor.patch, not '${VERSION}'")
  endif()
  file(READ "${EXECUTABLE}" image HEX)
  # The fixed part of the version resource: its signature and layout, then
  # the file and product versions as 16-bit parts (minor, major, tweak,
  # patch), each little-endian.
  set(fixed_version)
  foreach(part IN ITEMS "${CMAKE_MATCH_2}" "${CMAKE_MATCH_1}" 0 "${CMAKE_MATCH_3}")
    math(EXPR part "0x10000 + ${part}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x1(..)(..)$" "\\2\\1" part "${part}")
    string(APPEND fixed_version "${part}")
  endforeach()
  if(NOT image MATCHES "bd04effe00000100${fixed_version}${fixed_version}")
    list(APPEND failures "the version resource's numbers are not ${VERSION}")
  endif()
  # Its strings are UTF-16: each key, then padding to 32 bits, then the value.
  utf16_hex(value_hex "${VERSION}")
  foreach(key IN ITEMS FileVersion ProductVersion)
    utf16_hex(key_hex "${key}")
    if(NOT image MATCHES "${key_hex}0000(0000)?${value_hex}0000")
      list(APPEND failures "the version resource's ${key} is not ${VERSION}")
    endif()
  endforeach()
  string(HEX [[level="asInvoker"]] as_invoker)
  if(NOT image MATCHES "${as_invoker}")
    list(APPEND failures "the manifest does not ask to run as invoker")
  endif()

  if(CHECK_IMPORTS)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
    if(NOT imports)
      list(APPEND failures "no imported DLL found: the headers were not read")
    endif()
    foreach(import IN LISTS imports)
      string(REPLACE "DLL Name: " "" dll "${import}")
      string(STRIP "${dll}" dll)
      string(TOLOWER "${dll}" dll_lower)
      if(NOT dll_lower IN_LIST system_dlls)
        list(APPEND failures "imports ${dll}, which is not a system DLL")
      endif()
    endforeach()
  endif()
elseif(EXPECT STREQUAL "static-pie")
  if(NOT headers MATCHES "\nDynamic Section:")
    list(APPEND failures "no dynamic section: not a position-independent executable")
  endif()
  if(headers MATCHES "\n *INTERP ")
    list(APPEND failures "asks for a program loader")
  endif()
  string(REGEX MATCHALL "\n *NEEDED +[^\n]+" needed "${headers}")
  foreach(library IN LISTS needed)
    string(STRIP "${library}" library)
    list(APPEND failures "needs a shared library: ${library}")
  endforeach()
else()
  message(FATAL_ERROR "EXPECT must be pe32, pe32+ or static-pie, not '${EXPECT}'")
endif()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${EXECUTABLE}:\n${report}")
endif()
