# Packs the Windows zip with cpack into OUT, then checks what a user
# downloads: the zip with its SHA-256 beside it, unpacking to one folder
# that holds just README.txt and the program. The program is stripped and
# passes the same inspections as the build's, but imports only KERNEL32.dll
# and msvcrt.dll, which every Windows ships. README.txt is plain
# text for Notepad, with CR LF line ends, and shows the program's own words.
#   cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DOUT=<dir> -DNAME=<package file name>
#         -DEXAMPLE=<golden .stdout> -DOBJDUMP=<objdump> -DWINDRES=<windres>
#         -DEXPECT=pe32|pe32+ -DVERSION=<x.y.z> -P inspect_package.cmake

cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/unpacked")
execute_process(COMMAND "${CPACK}" --config "${CONFIG}" -B "${OUT}" COMMAND_ERROR_IS_FATAL ANY)
set(zip "${OUT}/${NAME}.zip")
file(SHA256 "${zip}" sha256)
file(READ "${zip}.sha256" recorded)
set(failures)
if(NOT recorded STREQUAL "${sha256}  ${NAME}.zip\n")
  list(APPEND failures "${NAME}.zip.sha256 says '${recorded}', but the zip's SHA-256 is ${sha256}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${zip}"
  WORKING_DIRECTORY "${OUT}/unpacked" RESULT_VARIABLE status)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${OUT}/unpacked" "${OUT}/unpacked/*")
list(SORT files)
set(expected "${NAME}/README.txt;${NAME}/grid.exe")
if(NOT status STREQUAL "0" OR NOT files STREQUAL expected)
  message(FATAL_ERROR "${zip} unpacks (${status}) to\n  ${files}\nexpected\n  ${expected}")
endif()
set(unpacked "${OUT}/unpacked/${NAME}")

# Written again with CR LF line ends, README.txt must come out the same.
configure_file("${unpacked}/README.txt" "${OUT}/README-crlf.txt" @ONLY NEWLINE_STYLE CRLF)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${unpacked}/README.txt" "${OUT}/README-crlf.txt"
  RESULT_VARIABLE differs)
if(differs)
  list(APPEND failures "README.txt has line ends other than CR LF")
endif()
# Read as text, each line ends in LF alone.
file(READ "${unpacked}/README.txt" readme)
if(readme MATCHES "(^|\n)(#|[ |]*---)[^\n]*|`[^\n]*")
  list(APPEND failures "README.txt has Markdown, which Notepad shows as it stands: ${CMAKE_MATCH_0}")
endif()
file(READ "${EXAMPLE}" output)
string(REGEX REPLACE "^.*: (valueGrid)" "\\1" listing "${output}")
string(FIND "${readme}" "${listing}\n" at)
if(at EQUAL -1)
  list(APPEND failures "README.txt does not show the listing as the program writes it: ${listing}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -DOBJDUMP=${OBJDUMP} -DWINDRES=${WINDRES}
    -DEXECUTABLE=${unpacked}/grid.exe -DEXPECT=${EXPECT} -DVERSION=${VERSION} -DSTRIPPED=ON
    -P "${CMAKE_CURRENT_LIST_DIR}/inspect_executable.cmake"
  RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  list(APPEND failures "the program fails inspection")
endif()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${zip}:\n${report}")
endif()
