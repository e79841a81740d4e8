#!/bin/sh
# Builds both Windows programs with mingw-w64 (presets win32 = i686, win64 = x86_64) and runs
# the x86_64 build's tests under wine64, with a fresh Wine prefix under the build folder and a
# private Xvfb display for the windows. Installs what it needs on Debian 12 (run as root).
#
# Usage: scripts/wine-test.sh [--no-i686] [--keep-prefix] [CTEST ARGUMENTS...]
#   --no-i686       skip the i686 build (it is only compiled and linked, never run)
#   --keep-prefix   reuse build-win64/wine-prefix instead of a fresh one
# JOBS sets the build's parallel jobs (default 2).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
i686=yes
fresh=yes
while [ $# -gt 0 ]; do
  case "$1" in
    --no-i686) i686=no; shift ;;
    --keep-prefix) fresh=no; shift ;;
    *) break ;;
  esac
done

# Packages, installed only when missing.
need="cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
binutils-mingw-w64-i686 googletest wine64 xvfb xauth util-linux libchm-bin p7zip-full doxygen libglib2.0-dev"
missing=""
for p in $need; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "wine-test: installing$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086 # one argument per package
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

configure() {  # preset [cmake arguments]
  preset=$1
  shift
  (cd "$root" && cmake --preset "$preset" "$@" >/dev/null)
}

# The Windows programs and the platform tests are built even when another target fails, so
# ctest still runs them; the run then ends as failed.
own="tessaline tessaline-convert tess_win32_tests win32_test_child win32_test_hhc tess_win32_form_demo hhc
tess_win32_hhc_tests"
status=0
build() {  # build-folder
  if ! cmake --build "$root/$1" -j "$jobs"; then
    echo "wine-test: the full $1 build failed; building the Windows programs and platform tests alone" >&2
    status=1
    # shellcheck disable=SC2086 # one argument per target
    cmake --build "$root/$1" -j "$jobs" --target $own
  fi
}

echo "wine-test: building win64"
configure win64
build build-win64
if [ "$i686" = yes ]; then
  echo "wine-test: building win32 (i686, compile and link only)"
  configure win32
  build build-win32
fi

# A fresh prefix per run, so no registry value or file of an earlier run is seen. A Wine server
# that has already gone must not turn the run into a failure (set -e holds in the trap too).
prefix="$root/build-win64/wine-prefix"
if [ "$fresh" = yes ]; then
  prefix="$root/build-win64/wine-run-$$"
  trap 'for p in "$prefix" "$prefix"-dpi*; do [ -d "$p" ] && { WINEPREFIX="$p" /usr/lib/wine/wineserver -k 2>/dev/null || true; }; rm -rf "$p" "$p.lock"; done; true' EXIT
fi
export WINEPREFIX="$prefix"
echo "wine-test: preparing the Wine prefix $prefix"
"$root/scripts/wine-prefix.sh" "$prefix"

# One display for the whole run; wine-run.sh would otherwise start one per program.
echo "wine-test: running the tests under wine64 and Xvfb"
cd "$root/build-win64"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure "$@" || status=1
exit $status
