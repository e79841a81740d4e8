#!/bin/sh
# Remakes docs/windows/hh-japanese-page.png: a Japanese page, compiled by hhc.exe in a folder
# whose name has blanks, opened in Wine's hh.exe on a virtual screen. Wine has no HTML engine
# here, so the page pane stays blank; the window opens with the file's title and its contents
# pane. Needs the win64 build (hhc.exe), wine64, xvfb, xdotool and imagemagick.
# Usage: docs/windows/hh-viewer.sh [BUILD_FOLDER]   (default build-win64)
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build-win64}" && pwd)
out="$top/docs/windows/hh-japanese-page.png"
. "$top/scripts/screenshot-lib.sh"
hh_shot_start hh-viewer

pages="$work/ヘルプ 見本"
mkdir -p "$pages"
cat >"$pages/intro.html" <<'HTML'
<html><head><meta charset="utf-8"><title>はじめに</title></head>
<body><h1>はじめに</h1><p>このページは Tessaline の hhc.exe でコンパイルしました。</p>
<p><a href="usage.html">使い方</a></p></body></html>
HTML
cat >"$pages/usage.html" <<'HTML'
<html><head><meta charset="utf-8"><title>使い方</title></head>
<body><h1>使い方</h1><p>ページをウィンドウへドラッグ&amp;ドロップします。</p></body></html>
HTML
# The contents file in the project's code page, as the help workshop's own files are. The files
# have plain names: Wine's reader takes each byte of a stored name for a character of its own,
# so it finds no file whose name is not ASCII (Windows and the Linux readers do).
iconv -f UTF-8 -t CP932 >"$pages/contents.hhc" <<'HHC'
<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">
<html><head><meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS"></head><body>
<ul>
<li><object type="text/sitemap"><param name="Name" value="はじめに"><param name="Local" value="intro.html"></object>
<li><object type="text/sitemap"><param name="Name" value="使い方"><param name="Local" value="usage.html"></object>
</ul>
</body></html>
HHC
win=$(printf 'Z:%s' "$pages" | tr / '\\')
printf '%s\r\n' '[OPTIONS]' 'Compatibility=1.1 or later' "Compiled file=$win\\見本.chm" "Contents file=$win\\contents.hhc" \
  "Default topic=$win\\intro.html" 'Display compile progress=No' "Error log file=$win\\log1.log" \
  'Language=0x411 日本語' 'Title=日本語の見本' '' '[FILES]' "$win\\intro.html" "$win\\usage.html" '' |
  iconv -f UTF-8 -t CP932 >"$pages/見本.hhp"

HHC_SUCCESS_STATUS=0 "$wine" "$build/hhc.exe" "$win\\見本.hhp"
iconv -f CP932 -t UTF-8 "$pages/log1.log"

"$wine" hh.exe "$win\\見本.chm" 2>"$work/hh-errors.txt" &
sleep 8
echo "hh-viewer: windows on the screen:"
xdotool search --onlyvisible --name . 2>/dev/null | while read -r id; do
  echo "  $(xdotool getwindowname "$id" 2>/dev/null)"
done
sed 's/^/hh-viewer: hh.exe says: /' "$work/hh-errors.txt"
import -window root "$out"
echo "hh-viewer: wrote $out"
