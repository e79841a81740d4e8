#!/bin/sh
# Remakes docs/windows/hh-search-tab.png: one page compiled by hhc.exe from the program's own
# one-page project (a full-text search, no contents, no window of its own), opened in Wine's
# hh.exe, whose navigation pane offers the search tab; a word of the page is searched for.
# Needs the win64 build (hhc.exe), wine64, xvfb, xdotool and imagemagick.
# Usage: docs/windows/hh-search-tab.sh [BUILD_FOLDER]   (default build-win64)
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build-win64}" && pwd)
out="$top/docs/windows/hh-search-tab.png"
. "$top/scripts/screenshot-lib.sh"
hh_shot_start hh-search-tab

program="$work/program"
mkdir -p "$program" "$work/pages"
# Shift_JIS: Wine's search tab reads no index but the stored pages themselves, their <title> in
# the ANSI code page, so a UTF-8 title would show garbled there.
iconv -f UTF-8 -t CP932 >"$work/pages/guide.html" <<'HTML'
<html><head><meta charset="Shift_JIS"><title>検索の見本</title></head>
<body><h1>検索の見本</h1><p>This page was compiled with a full-text search index.</p></body></html>
HTML
# The program's project, line for line (convert/project_file.cpp).
prog=$(printf 'Z:%s\\' "$program" | tr / '\\')
page=$(printf 'Z:%s' "$work/pages/guide.html" | tr / '\\')
printf '%s\r\n' '[Options]' 'Compatibility = 1.1 Or later' "Compiled file=${prog}Dummy.chm" "Default topic=$page" \
  'Display compile progress=No' "Error log file=${prog}log1.log" 'Language=0x411 日本語' '' '' '[Files]' "$page" '' \
  '[INFOTYPES]' '' | iconv -f UTF-8 -t CP932 >"$program/Dummy.hhp"
HHC_SUCCESS_STATUS=0 "$wine" "$build/hhc.exe" "${prog}Dummy.hhp"
iconv -f CP932 -t UTF-8 "$program/log1.log"

"$wine" hh.exe "${prog}Dummy.chm" 2>"$work/hh-errors.txt" &
sleep 8
# The search word typed into the tab's box and searched for, as a user would: the box is at
# the top of the navigation pane, below the tab.
id=$(xdotool search --onlyvisible --name "検索の見本" 2>/dev/null | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$id")"
xdotool mousemove $((X + 35)) $((Y + 97)) click 1   # the tab
sleep 1
xdotool mousemove $((X + 100)) $((Y + 122)) click 1  # its box
xdotool type --delay 50 "search"
xdotool key Return
sleep 3
sed 's/^/hh-search-tab: hh.exe says: /' "$work/hh-errors.txt"
import -window root "$out"
echo "hh-search-tab: wrote $out"
