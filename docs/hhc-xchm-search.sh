#!/bin/sh
# Remakes docs/hhc-xchm-search.png: xchm's search pane finding a Japanese character in a .chm
# our hhc compiled. Needs xchm, xdotool, xvfb and imagemagick.
# xchm reads each word of the index as Latin-1 bytes, so a query typed in Japanese never
# matches a code-page-932 word (nor in files from Microsoft's compiler). Its bytes typed as
# Latin-1 letters do: 炒 is 0xE0 0x75 in code page 932, typed as "àu".
# The page has an ASCII name: xchm cannot open a start page named in Japanese.
# Usage: docs/hhc-xchm-search.sh [HHC]   (default build/hhc)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
hhc=$(cd "$(dirname "${1:-$top/build/hhc}")" && pwd)/$(basename "${1:-hhc}")
. "$top/scripts/screenshot-lib.sh"

# Searches the open file for 炒 and opens the first topic found.
search() {
  sleep 2
  xdotool mousemove 310 55 click 1        # the navigation pane
  sleep 1
  xdotool mousemove 172 400 mousedown 1 mousemove 250 400 sleep 0.3 mousemove 380 400 sleep 0.3 mouseup 1
  sleep 1
  xdotool mousemove 200 106 click 1       # its Search tab
  sleep 1
  xdotool mousemove 190 141 click 1
  xdotool type --delay 150 "$(printf '\303\240u')"
  xdotool mousemove 53 235 click 1        # Search
  sleep 2
  xdotool mousemove 60 277 click 1        # the first topic found
  sleep 2
}

work=$(mktemp -d)
trap 'screen_stop; rm -rf "$work"' EXIT
pages="$work/pages"
mkdir -p "$pages" "$work/program"
cat > "$pages/search.html" <<'HTML'
<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8"><title>全文検索の見本 — 炒飯の作り方</title></head><body>
<h1>炒飯の作り方</h1>
<p>このページは、私たちの <code>hhc</code> が作った .chm の全文検索で見つかります。</p>
<p>漢字・かな・カナの一文字ずつが、コードページ 932 の語として索引に入ります。</p>
<p><a href="other.html">野菜炒めのページへ</a></p>
</body></html>
HTML
cat > "$pages/other.html" <<'HTML'
<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8"><title>野菜炒め</title></head><body><p>強火で手早く炒める。</p></body></html>
HTML
cat > "$pages/third.html" <<'HTML'
<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8"><title>煮物</title></head><body><p>弱火で煮る。</p></body></html>
HTML
printf '[Options]\r\nCompiled file=%s\r\nDefault topic=%s\r\nError log file=%s\r\nLanguage=0x411 日本語\r\n\r\n[Files]\r\n%s\r\n%s\r\n' \
  "$work/program/Dummy.chm" "$pages/search.html" "$work/program/log1.log" "$pages/search.html" "$pages/third.html" |
  iconv -f UTF-8 -t CP932 > "$work/program/Dummy.hhp"
HHC_SUCCESS_STATUS=0 "$hhc" "$work/program/Dummy.hhp" || { iconv -f CP932 -t UTF-8 "$work/program/log1.log"; exit 1; }
screen_start hhc-xchm-search
xchm_open "$work/program/Dummy.chm"
search
import -window root "$top/docs/hhc-xchm-search.png"
xchm_close
echo "wrote docs/hhc-xchm-search.png"
