# Fails unless EXECUTABLE is a console program that imports only DLLs that
# Windows ships: KERNEL32.dll, msvcrt.dll and the UCRT of Windows 10 on.
# A DLL of the compiler's own, such as libstdc++-6.dll, keeps it from starting.
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
