#!/bin/sh
# Remakes the screenshots that docs/viewers.md judges: xchm, kchmviewer and okular each open
# the same two files on a virtual 1280x900 screen: page.chm, a UTF-8 page that names its
# encoding only by <meta charset="utf-8">, converted by tessaline-convert, and sample.chm, a
# Japanese project (contents, index, full-text search; Language=0x411) compiled by hhc. For
# each file: the page as opened, the contents, the index and a search for 炒.
# Needs the packages TESS_DOCS_PACKAGES names (scripts/lib/packages.sh).
# Usage: docs/viewer-compare.sh [BUILD_FOLDER [OUT_FOLDER]]   (defaults build, viewer-shots)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
out=${2:-$top/viewer-shots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
for f in hhc tessaline-convert; do
  [ -x "$build/$f" ] || { echo "no $f in $build; build it first" >&2; exit 1; }
done
. "$top/scripts/screenshot-lib.sh"

work=$(mktemp -d)
trap 'screen_stop; rm -rf "$work"' EXIT
cp "$top"/docs/viewer-sample/* "$work/"
(cd "$work" && HHC_SUCCESS_STATUS=0 "$build/hhc" sample.hhp >/dev/null)
PATH="$build:$PATH" "$build/tessaline-convert" "$work/page.html" >/dev/null

# open <viewer> <file>: starts it and puts its window at the top left, 1280x900.
open_in() {
  case $1 in
    xchm) xchm "$2" >/dev/null 2>&1 & ;;
    kchmviewer) kchmviewer "$2" >/dev/null 2>&1 & ;;
    okular) okular "$2" >/dev/null 2>&1 & ;;
  esac
  viewer=$!
  sleep 8
  win=$(xdotool search --onlyvisible --pid "$viewer" 2>/dev/null | tail -1)
  [ -z "$win" ] || xdotool windowmove "$win" 0 0 windowsize "$win" 1280 900
  sleep 2
}

close_viewer() { kill "$viewer" 2>/dev/null || true; wait "$viewer" 2>/dev/null || true; }

# Each viewer's own layout at 1280x900: its index tab, then a search for 炒 (one character:
# the compiled search index holds Japanese text one character to a word).
index_in() {
  case $1 in
    kchmviewer) xdotool mousemove 123 133 click 1 ;;
    xchm) xdotool mousemove 157 106 click 1 ;;   # the arrow to the pane's next tab
    okular) ;;                                   # no index: contents only
  esac
  sleep 2
}

search_in() {
  case $1 in
    kchmviewer)
      xdotool mousemove 188 133 click 1 sleep 1 mousemove 95 191 click 1
      xdotool type --delay 300 '炒'
      xdotool mousemove 239 191 click 1 ;;
    xchm)
      xdotool mousemove 157 106 click 1 sleep 1 mousemove 90 141 click 1
      xdotool type --delay 300 '炒'
      xdotool mousemove 53 235 click 1 ;;
    okular)
      # Its find bar: okular searches the pages' text, not the file's search index.
      xdotool mousemove 700 500 click 1 sleep 0.5 key ctrl+f sleep 1.5
      xdotool type --delay 300 '炒'
      xdotool key Return ;;
  esac
  sleep 3
}

screen_start viewer-compare 1280x900
for v in xchm kchmviewer okular; do
  open_in "$v" "$work/page.chm"
  import -window root "$out/$v-page.png"
  close_viewer
  open_in "$v" "$work/sample.chm"
  import -window root "$out/$v-contents.png"
  index_in "$v"
  import -window root "$out/$v-index.png"
  search_in "$v"
  import -window root "$out/$v-search.png"
  close_viewer
done
echo "wrote $out/{xchm,kchmviewer,okular}-{page,contents,index,search}.png"
