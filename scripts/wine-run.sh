#!/bin/sh
# Runs one Windows program of the cross build under wine64; CMake uses it as the
# cross-compiling emulator. Usage: wine-run.sh BUILD_DIR PROGRAM.exe [ARGUMENTS...]
# The prefix is $WINEPREFIX when set (scripts/wine-test.sh makes a fresh one per run),
# else BUILD_DIR/wine-prefix, made on first use. With TESS_WINE_DPI set, a sibling prefix
# whose screen has that many dots per inch is used. Without a display a private Xvfb is used.
set -eu
build=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ -n "${TESS_WINE_DPI:-}" ]; then
  WINEPREFIX="$WINEPREFIX-dpi$TESS_WINE_DPI"
fi
"$here/wine-prefix.sh" "$WINEPREFIX" "${TESS_WINE_DPI:-96}"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" /usr/lib/wine/wine64 "$@"
fi
exec /usr/lib/wine/wine64 "$@"
