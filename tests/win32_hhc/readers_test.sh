#!/bin/sh
# hhc.exe under wine64 compiles a Japanese page (with its style sheet, a picture of several
# frames, an empty script and a linked page) in a folder whose name has blanks; the Linux
# readers extract_chmLib (libchm-bin) and 7z (p7zip-full) give back every file byte for byte.
# Usage: readers_test.sh WINE_RUN BUILD_FOLDER HHC_EXE
set -eu
wine_run=$1 build=$2 hhc=$3
for tool in extract_chmLib 7z iconv; do
  command -v "$tool" >/dev/null || { echo "readers_test: $tool is missing (scripts/wine-test.sh installs it)"; exit 1; }
done
export LC_ALL=C.UTF-8  # 7z writes the stored UTF-8 names as they are

work=$(mktemp -d "$build/readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
pages="$work/my pages 日本語"
mkdir -p "$pages/画像"
cat >"$pages/ページ 一.html" <<'HTML'
<html><head><meta charset="utf-8"><title>日本語のページ</title>
<link rel="stylesheet" href="スタイル.css"><script src="empty.js"></script></head>
<body><p>こんにちは、世界。</p><img src="画像/図 1.png"><a href="Upper Case.HTM">次へ</a></body></html>
HTML
printf 'p { color: #336; }\n' >"$pages/スタイル.css"
: >"$pages/empty.js"
printf '<html><head><title>Next</title></head><body><p>%s</p></body></html>\n' "$(seq 1 3000 | tr '\n' ' ')" \
  >"$pages/Upper Case.HTM"
# Incompressible bytes over more than two 32 KB frames.
head -c 70001 /dev/urandom >"$pages/画像/図 1.png"

win=$(printf 'Z:%s' "$pages" | tr / '\\')
printf '%s\r\n' '[OPTIONS]' 'Compatibility = 1.1 Or later' "Compiled file=$win\\Dummy.chm" \
  "Default topic=$win\\ページ 一.html" 'Display compile progress=No' "Error log file=$win\\log1.log" \
  'Language=0x411 日本語' '' '[FILES]' "$win\\ページ 一.html" '' | iconv -f UTF-8 -t CP932 >"$pages/Dummy.hhp"

status=0
"$wine_run" "$build" "$hhc" "$win\\Dummy.hhp" || status=$?
log=$(iconv -f CP932 -t UTF-8 "$pages/log1.log" 2>/dev/null || true)
printf '%s\n' "$log"
# 1 is success, as Microsoft's compiler gives it.
[ "$status" -eq 1 ] || { echo "readers_test: hhc.exe ended with status $status"; exit 1; }
case $log in *"Created $win\\Dummy.chm, "*) ;; *) echo "readers_test: no Created line"; exit 1 ;; esac

extract_chmLib "$pages/Dummy.chm" "$work/chmlib" >/dev/null
7z x -y -o"$work/7z" "$pages/Dummy.chm" >/dev/null
failed=0
for f in "ページ 一.html" "スタイル.css" "empty.js" "Upper Case.HTM" "画像/図 1.png"; do
  for reader in chmlib 7z; do
    if cmp -s "$pages/$f" "$work/$reader/$f"; then
      echo "readers_test: $reader gives back $f ($(wc -c <"$pages/$f") bytes)"
    else
      echo "readers_test: $reader does not give back $f byte for byte"
      failed=1
    fi
  done
done
exit $failed
