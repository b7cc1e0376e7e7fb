# Fails unless EXECUTABLE is a console program importing only DLLs that
# Windows ships: KERNEL32.dll, msvcrt.dll and the C runtime of Windows 10 and
# later. One of the compiler's own, libstdc++-6.dll say, stops it on a PC.
execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
list(TRANSFORM imports REPLACE "^DLL Name: " "")
if(NOT headers MATCHES "\nSubsystem[ \t]+[0-9a-fA-F]+[ \t]+\\(Windows CUI\\)" OR NOT imports MATCHES "KERNEL32\\.dll")
  message(FATAL_ERROR "${OBJDUMP} -p does not show a console program importing KERNEL32.dll in ${EXECUTABLE}")
endif()
list(FILTER imports EXCLUDE REGEX "^(KERNEL32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\\.dll$")
if(imports)
  message(FATAL_ERROR "${EXECUTABLE} imports ${imports}, which Windows does not ship")
endif()
