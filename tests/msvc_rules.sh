#!/usr/bin/env bash
# Checks the build rules for Visual Studio's compiler and linker, as CMake
# applies them through the Visual Studio presets to clang-cl and lld-link,
# which take the same command lines. No MSVC runtime or Windows SDK is to be
# had on a Linux host, so what is checked is how grid.exe is compiled, linked
# and given its resources, not the program: a stand-in with no includes takes
# the place of src/main.cpp and is linked with no libraries, and the
# resources are compiled against the mingw-w64 headers.
#   msvc_rules.sh CMAKE SOURCE_DIR WORK_DIR CLANG_CL VERSION
set -uo pipefail
cmake=$1 source=$2 work=$3 clang_cl=$4 version=$5 tests=$(dirname "$0") flaws=0
flaw() { echo "$*"; flaws=$((flaws + 1)); }

rm -rf "$work" && mkdir -p "$work/source"
cp -R "$source/CMakeLists.txt" "$source/CMakePresets.json" "$source/cmake" "$source/src" "$work/source"
printf 'int main()\n{\n    return 0;\n}\n' >"$work/source/src/main.cpp"
# The Visual Studio presets as they are, but for the Windows host they ask for.
cat >"$work/source/CMakeUserPresets.json" <<'JSON'
{
  "version": 3,
  "configurePresets": [
    { "name": "here-msvc-x86", "inherits": "msvc-x86", "condition": { "type": "const", "value": true } },
    { "name": "here-msvc-x64", "inherits": "msvc-x64", "condition": { "type": "const", "value": true } }
  ]
}
JSON

# build DIR PRESET ARCH [CMAKE_ARGS...]: configures and builds the stand-in
# with a Visual Studio preset, for the target that ARCH names.
build() {
  local dir=$1 preset=$2 arch=$3
  shift 3
  (cd "$work/source" && "$cmake" --preset "here-$preset" -B "$dir" "$@" -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_SYSTEM_PROCESSOR="$arch" -DCMAKE_CXX_COMPILER="$clang_cl" -DCMAKE_CXX_COMPILER_TARGET="$arch-pc-windows-msvc" \
    -DCMAKE_LINKER=lld-link -DCMAKE_RC_COMPILER=llvm-rc -DCMAKE_MT=llvm-mt \
    -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY -DCMAKE_CXX_STANDARD_LIBRARIES= \
    "-DCMAKE_EXE_LINKER_FLAGS=/nodefaultlib /entry:main" -DCMAKE_RC_FLAGS=-I/usr/share/mingw-w64/include \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DBUILD_TESTING=OFF) >"$dir.log" 2>&1 &&
    "$cmake" --build "$dir" >>"$dir.log" 2>&1
}

# Each architecture as its preset builds it, and as Debug, whose incremental
# link takes another path through CMake's manifest handling.
for build in msvc-x86:i686:pe32:MT msvc-x64:x86_64:pe32+:MT msvc-x86:i686:pe32:MTd msvc-x64:x86_64:pe32+:MTd; do
  IFS=: read -r preset arch kind runtime <<<"$build"
  dir=$work/$preset-$runtime what="$preset /$runtime" build_type=()
  [ "$runtime" = MT ] || build_type=(-DCMAKE_BUILD_TYPE=Debug)
  build "$dir" "$preset" "$arch" "${build_type[@]}" || { flaw "$what: the build failed"; cat "$dir.log"; continue; }
  compile=$(grep '"command":.*main\.cpp' "$dir/compile_commands.json")
  grep -Eq ' [-/]W4 ' <<<"$compile" || flaw "$what: no /W4 in the compile line"
  ! grep -Eq ' [-/]W(all|extra|pedantic) ' <<<"$compile" || flaw "$what: GCC-style warnings in the compile line"
  grep -Eq " [-/]$runtime " <<<"$compile" || flaw "$what: not the static runtime (/$runtime)"
  [ ! -e "$dir/grid.exe.manifest" ] || flaw "$what: the linker wrote a manifest of its own"
  "$cmake" -DOBJDUMP=objdump -DEXECUTABLE="$dir/grid.exe" -DEXPECT="$kind" -DCHECK_IMPORTS=OFF \
    -DWINDRES="$arch-w64-mingw32-windres" -DVERSION="$version" -P "$tests/inspect_executable.cmake" ||
    flaw "$what: grid.exe fails inspection"
done

# The 32-bit preset, opened at the prompt of the other architecture, must
# stop at configure and name the right prompt.
! build "$work/wrong-prompt" msvc-x86 x86_64 || flaw "the 32-bit preset went on with a 64-bit compiler"
tr -s ' \n' ' ' <"$work/wrong-prompt.log" | grep -q '"x86 Native Tools Command Prompt"' ||
  flaw "the 32-bit preset with a 64-bit compiler did not name the x86 prompt"

[ "$flaws" -eq 0 ]
