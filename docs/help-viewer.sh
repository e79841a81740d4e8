#!/bin/sh
# Remakes docs/help-viewer.png and docs/help-viewer-usage.png: Help.chm open in xchm on a
# virtual screen. Needs xchm, xdotool, xvfb and imagemagick.
# Usage: docs/help-viewer.sh [BUILD_FOLDER]   (default build-help)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
chm=$(cd "${1:-$top/build-help}" && pwd)/Help.chm
[ -f "$chm" ] || { echo "no Help.chm in ${1:-build-help}; build the tessaline_help target first" >&2; exit 1; }
. "$top/scripts/screenshot-lib.sh"

# $1 is the picture, $2 an optional "x y" to click first.
shot() {
  xchm_open "$chm"
  sleep 2
  if [ -n "${2:-}" ]; then
    # shellcheck disable=SC2086 # "x y"
    xdotool mousemove $2 click 1
    sleep 2
  fi
  import -window root "$1"
  xchm_close
}
trap screen_stop EXIT
screen_start help-viewer
shot "$top/docs/help-viewer.png"
# The second entry of the contents: how to use it.
shot "$top/docs/help-viewer-usage.png" "60 165"
echo "wrote docs/help-viewer.png and docs/help-viewer-usage.png"
