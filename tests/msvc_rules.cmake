# Checks the build rules for Visual Studio's compiler and linker, as CMake
# applies them to clang-cl and lld-link, which take the same command lines.
# No MSVC runtime or Windows SDK is to be had on a Linux host, so what is
# checked is how grid.exe is compiled, linked and given its resources, not
# the program: a stand-in with no includes takes the place of src/main.cpp
# and is linked with no libraries, and the resources are compiled against
# the mingw-w64 headers.
#   cmake -DSOURCE=<project> -DWORK=<dir> -DCLANG_CL=<clang-cl> -DMINGW_INCLUDE=<dir>
#         -DOBJDUMP=<objdump> -DVERSION=<x.y.z> -P msvc_rules.cmake

cmake_minimum_required(VERSION 3.20)

file(REMOVE_RECURSE "${WORK}")
file(COPY "${SOURCE}/CMakeLists.txt" "${SOURCE}/README.md" "${SOURCE}/cmake" "${SOURCE}/src"
  DESTINATION "${WORK}/source")
file(WRITE "${WORK}/source/src/main.cpp" "int main()\n{\n    return 0;\n}\n")
set(failures)

# Configures and builds the stand-in for one architecture in <dir>, with
# GRID_POINTER_SIZE as the Visual Studio preset for it sets.
function(build dir arch pointer_size)
  execute_process(COMMAND "${CMAKE_COMMAND}" -G Ninja -S "${WORK}/source" -B "${dir}" ${ARGN}
      -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=${arch}
      -DCMAKE_CXX_COMPILER=${CLANG_CL} -DCMAKE_CXX_COMPILER_TARGET=${arch}-pc-windows-msvc
      -DCMAKE_LINKER=lld-link -DCMAKE_RC_COMPILER=llvm-rc -DCMAKE_MT=llvm-mt
      -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY -DCMAKE_CXX_STANDARD_LIBRARIES=
      "-DCMAKE_EXE_LINKER_FLAGS=/nodefaultlib /entry:main" -DCMAKE_RC_FLAGS=-I${MINGW_INCLUDE}
      -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DBUILD_TESTING=OFF -DGRID_POINTER_SIZE=${pointer_size}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(status STREQUAL "0")
    execute_process(COMMAND "${CMAKE_COMMAND}" --build "${dir}" --verbose
      RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  endif()
  set(status "${status}" PARENT_SCOPE)
  set(output "${output}" PARENT_SCOPE)
endfunction()

# Builds for <arch> as <config>: the default, which must be Release, or
# Debug, whose incremental link takes another path through CMake's manifest
# handling. Appends what is wrong to failures.
function(check arch pointer_size kind config runtime)
  set(dir "${WORK}/${arch}-${config}")
  if(config STREQUAL "Debug")
    build("${dir}" ${arch} ${pointer_size} -DCMAKE_BUILD_TYPE=Debug)
  else()
    build("${dir}" ${arch} ${pointer_size})
  endif()
  string(REGEX MATCH "[^\n]* -c [^\n]*main\\.cpp" compile "${output}")
  file(STRINGS "${dir}/CMakeCache.txt" build_type REGEX "^CMAKE_BUILD_TYPE:")
  set(found)
  if(NOT status STREQUAL "0")
    list(APPEND found "the build failed (${status}):\n${output}")
  endif()
  if(NOT compile MATCHES " [-/]W4 " OR compile MATCHES " [-/]W(all|extra|pedantic) ")
    list(APPEND found "not /W4 alone in the compile line")
  endif()
  if(NOT compile MATCHES " [-/]${runtime} ")
    list(APPEND found "not the static runtime, /${runtime}")
  endif()
  if(NOT build_type STREQUAL "CMAKE_BUILD_TYPE:STRING=${config}")
    list(APPEND found "${build_type}, not ${config}")
  endif()
  if(EXISTS "${dir}/grid.exe.manifest")
    list(APPEND found "the linker wrote a manifest of its own")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -DOBJDUMP=${OBJDUMP} -DEXECUTABLE=${dir}/grid.exe
      -DEXPECT=${kind} -DCHECK_IMPORTS=OFF -P "${CMAKE_CURRENT_LIST_DIR}/inspect_executable.cmake"
    RESULT_VARIABLE headers)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DWINDRES=${arch}-w64-mingw32-windres -DEXECUTABLE=${dir}/grid.exe
      -DVERSION=${VERSION} -P "${CMAKE_CURRENT_LIST_DIR}/inspect_resources.cmake"
    RESULT_VARIABLE resources)
  if(NOT headers STREQUAL "0" OR NOT resources STREQUAL "0")
    list(APPEND found "grid.exe fails inspection")
  endif()
  list(TRANSFORM found PREPEND "${arch} ${config}: ")
  set(failures ${failures} ${found} PARENT_SCOPE)
endfunction()

check(i686 4 pe32 Release MT)
check(x86_64 8 pe32+ Release MT)
check(i686 4 pe32 Debug MTd)
check(x86_64 8 pe32+ Debug MTd)

# A preset for one architecture, opened at the prompt of the other, must
# stop at configure and name the right prompt.
build("${WORK}/wrong-prompt" x86_64 4)
# The message may be wrapped anywhere between words.
if(status STREQUAL "0" OR NOT output MATCHES "x86[ \n]+Native[ \n]+Tools[ \n]+Command[ \n]+Prompt")
  list(APPEND failures "a 32-bit preset with a 64-bit compiler: configure ended ${status}, saying\n${output}")
endif()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${report}")
endif()
