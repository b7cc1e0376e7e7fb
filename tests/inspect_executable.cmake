# Checks that a built executable needs nothing beyond the operating system:
#   cmake -DOBJDUMP=<objdump> -DEXECUTABLE=<file> -DEXPECT=<kind> -P inspect_executable.cmake
# where <kind> is pe32 or pe32+ (a Windows console program importing only
# the system's own DLLs) or static-pie (an ELF program with no loader and no
# shared libraries).

cmake_minimum_required(VERSION 3.20)

set(system_dlls kernel32.dll msvcrt.dll)

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
