#!/bin/sh
# Makes a Wine prefix for the Windows tests when it does not exist yet: 64-bit, no Mono or
# Gecko prompts, and the Japanese user-interface fonts mapped to Noto Sans CJK JP.
# Usage: wine-prefix.sh PREFIX [DPI]   (DPI: the screen's dots per inch, default 96)
set -eu
prefix=$1
dpi=${2:-96}
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -f "$prefix/.tessaline-ready" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.tessaline-ready" ] && exit 0

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wineserver" -w

reg=$(mktemp)
cat <<'REG' | iconv -f UTF-8 -t UTF-16 > "$reg"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="Noto Sans CJK JP"
"ＭＳ Ｐゴシック"="Noto Sans CJK JP"
"ＭＳ ゴシック"="Noto Sans CJK JP"
"MS PGothic"="Noto Sans CJK JP"
"MS Gothic"="Noto Sans CJK JP"
"Meiryo UI"="Noto Sans CJK JP"

; No window manager runs on the test display: Wine draws every frame and caption itself.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"
REG
printf '\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$dpi" | iconv -f UTF-8 -t UTF-16LE >> "$reg"
printf '\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\n"LogPixels"=dword:%08x\n' "$dpi" | iconv -f UTF-8 -t UTF-16LE >> "$reg"
"$wine" regedit /S "Z:$(echo "$reg" | tr / '\\')" >/dev/null 2>&1
"$wineserver" -w
rm -f "$reg"
touch "$prefix/.tessaline-ready"
