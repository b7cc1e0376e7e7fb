# Helpers for .ci/run, which sources this file: installing, configuring and
# running a suite while keeping count for the closing summary, and packing a
# zip a second time to compare.

summary=""
step() { printf '\n=== %s\n' "$*"; }

# Installs Debian packages where this is a Debian host and we are root.
install_packages() {
  if [ "$(id -u)" != 0 ] || ! command -v apt-get >/dev/null; then
    return 0
  fi
  # The 32-bit Windows runtime is an i386 package.
  dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync can fail one index while the rest arrive; the
  # install below is what must succeed.
  apt-get update || echo "apt-get update failed in part; installing from the indexes it got"
  if ! apt-get install -y --no-install-recommends "$@"; then
    # Without the security suite's i386 index, an amd64 library can be
    # upgraded past every i386 build of it, which multiarch forbids: take
    # both from the release itself.
    . /etc/os-release
    apt-get install -y --no-install-recommends -t "$VERSION_CODENAME" "$@"
  fi
}

# Configures a build, keeping what configure says beside it: its reasons for
# cases not run go into the summary.
#   configure BUILD_DIR CMAKE_ARGS...
configure() {
  mkdir -p "$1"
  cmake "${@:2}" | tee "$1/ci-configure.log"
}

# Runs a configured build's suite, then notes from ctest's JUnit report how
# many of its cases ran, and which did not and why.
#   suite NAME BUILD_DIR CTEST_ARGS...
suite() {
  local name=$1 dir=$2 reasons
  shift 2
  ctest "$@" --output-junit "$PWD/$dir/ci-junit.xml"
  summary+="$name: $(python3 - "$dir/ci-junit.xml" <<'PY'
import collections, sys, xml.etree.ElementTree as ElementTree
cases = list(ElementTree.parse(sys.argv[1]).getroot().iter("testcase"))
not_run = collections.Counter(case.get("name").split(".")[0] for case in cases if case.get("status") != "run")
line = f"{len(cases) - sum(not_run.values())} of {len(cases)} cases ran"
if not_run:
    line += f", {sum(not_run.values())} not run ({', '.join(f'{n} {group}' for group, n in not_run.items())})"
print(line)
PY
)"$'\n'
  reasons=$(sed -n 's/^-- \(.* listed but not run: .*\)/    \1/p' "$dir/ci-configure.log")
  [ -z "$reasons" ] || summary+="$reasons"$'\n'
}

# Packs a preset's zip, checks that its dates are HEAD's, then packs it
# again from the clone in $again, at a later time, in another folder and
# time zone, with umask 077 and, where CI runs as root, as another user and
# then as root again, and fails unless all are byte for byte the same. That
# clone is configured one empty commit ahead, with another date, and moved
# back before it packs: the date in the zip must follow HEAD with no
# configure in between.
#   zip_twice PRESET ARCH
zip_twice() {
  local preset=$1 arch=$2 zip builder=() native
  native=$(dpkg --print-architecture)
  cmake --build --preset "$preset" --target package
  zip=$(echo build/"$preset"/grid-*.zip)
  # A zip's own times keep only even seconds.
  python3 - "$zip" "$(git log -1 --format=%ct)" <<'PY'
import sys, time, zipfile
head = time.gmtime(int(sys.argv[2]) // 2 * 2)[:6]
dates = {entry.date_time for entry in zipfile.ZipFile(sys.argv[1]).infolist()}
sys.exit(None if dates == {head} else f"{sys.argv[1]}: entries dated {dates}, HEAD {head}")
PY
  if [ "$(id -u)" = 0 ]; then
    chown -R nobody: "$again"
    builder=(runuser -u nobody --)
  fi
  (cd "$again" && "${builder[@]}" env TZ=Pacific/Kiritimati sh -c "umask 077 &&
    GIT_COMMITTER_DATE=2001-09-09T01:46:40Z git -c user.name=ci -c user.email=ci@localhost \
      commit --quiet --allow-empty --message 'An empty commit' &&
    cmake --preset $preset -DBUILD_TESTING=OFF >/dev/null &&
    git reset --quiet --hard HEAD~1 &&
    cmake --build --preset $preset --target package >/dev/null")
  cmp "$zip" "$again/$zip"
  if [ "$(id -u)" = 0 ]; then
    # And by root, from that checkout, which root does not own.
    (cd "$again" && cmake --build --preset "$preset" --target package >/dev/null)
    cmp "$zip" "$again/$zip"
  fi
  summary+="$(basename "$zip"): built twice, identical, SHA-256 $(cut -d' ' -f1 "$zip.sha256")"$'\n'
  summary+="    packed on $(. /etc/os-release && echo "$PRETTY_NAME") with $(dpkg-query -W -f '${Package} ${Version}\n' "g++-mingw-w64-$arch-win32" \
    "mingw-w64-$arch-dev" "binutils-mingw-w64-$arch" cmake "libarchive13:$native" "zlib1g:$native" strip-nondeterminism \
    libarchive-zip-perl | paste -sd, - | sed 's/,/, /g')"$'\n'
}
