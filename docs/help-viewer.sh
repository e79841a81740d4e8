#!/bin/sh
# Remakes docs/help-viewer.png and docs/help-viewer-usage.png: Help.chm open in xchm on a
# virtual screen. Needs xchm, xdotool, xvfb and imagemagick.
# Usage: docs/help-viewer.sh [BUILD_FOLDER]   (default build-help)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
chm=$(cd "${1:-$top/build-help}" && pwd)/Help.chm
[ -f "$chm" ] || { echo "no Help.chm in ${1:-build-help}; build the tessaline_help target first" >&2; exit 1; }

if [ "${HELP_SHOT_INNER:-}" = 1 ]; then
  # Inside the virtual screen: $2 is the picture, $3 an optional "x y" to click first.
  xchm "$chm" 2>/dev/null &
  viewer=$!
  sleep 5
  win=$(xdotool search --onlyvisible --name xCHM | head -1)
  xdotool windowmove "$win" 0 0 windowsize "$win" 1024 768
  sleep 2
  if [ -n "${3:-}" ]; then
    # shellcheck disable=SC2086 # "x y"
    xdotool mousemove $3 click 1
    sleep 2
  fi
  import -window root "$2"
  kill "$viewer"
  exit 0
fi
shot() { HELP_SHOT_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$(dirname "$chm")" "$@"; }
shot "$top/docs/help-viewer.png"
# The second entry of the contents: how to use it.
shot "$top/docs/help-viewer-usage.png" "60 165"
echo "wrote docs/help-viewer.png and docs/help-viewer-usage.png"
