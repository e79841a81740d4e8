#!/bin/sh
# Remakes docs/hhc-xchm.png: a Japanese page compiled by our hhc, open in xchm on a virtual
# screen. Needs xchm, xdotool, xvfb and imagemagick. The page has an ASCII name: xchm reads
# the start page's name as Latin-1 and cannot open one named in Japanese.
# Usage: docs/hhc-xchm.sh [HHC]   (default build/hhc)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
hhc=$(cd "$(dirname "${1:-$top/build/hhc}")" && pwd)/$(basename "${1:-hhc}")
. "$top/scripts/screenshot-lib.sh"

work=$(mktemp -d)
trap 'screen_stop; rm -rf "$work"' EXIT
pages="$work/日本語 のページ"
mkdir -p "$pages/画像" "$work/program"
convert -size 240x90 gradient:'#2a6fdb-#9fd3ff' -fill white -draw 'circle 45,45 45,15' -draw 'rectangle 90,30 220,60' \
  "$pages/画像/見出し.png"
cat > "$pages/setsumei.html" <<'HTML'
<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>日本語のページ — 変換の見本</title>
<link rel="stylesheet" href="様式.css"></head><body>
<h1>ヘルプファイルの見本</h1>
<p><img src="画像/見出し.png" alt="見出し"></p>
<p>このページは、私たちの <code>hhc</code> が自分で書いた .chm ファイルから表示されています。</p>
<ul><li>題名はコードページ 932 で保存されます(全角ダッシュは「―」になります)。</li>
<li>画像とスタイルシートもいっしょに収められます。</li></ul>
</body></html>
HTML
printf 'body { font-family: "Noto Sans CJK JP", sans-serif; margin: 1em } h1 { color: #2a6fdb }\n' > "$pages/様式.css"
printf '[Options]\r\nCompiled file=%s\r\nDefault topic=%s\r\nError log file=%s\r\nLanguage=0x411 日本語\r\n\r\n[Files]\r\n%s\r\n' \
  "$work/program/Dummy.chm" "$pages/setsumei.html" "$work/program/log1.log" "$pages/setsumei.html" |
  iconv -f UTF-8 -t CP932 > "$work/program/Dummy.hhp"
HHC_SUCCESS_STATUS=0 "$hhc" "$work/program/Dummy.hhp" || { iconv -f CP932 -t UTF-8 "$work/program/log1.log"; exit 1; }
screen_start hhc-xchm
xchm_open "$work/program/Dummy.chm"
sleep 2
import -window root "$top/docs/hhc-xchm.png"
xchm_close
echo "wrote docs/hhc-xchm.png"
