#!/bin/sh
# Remakes the pictures of contents and index panes of files compiled by our hhc:
#   docs/sphinx-xchm.png, docs/sphinx-xchm-index.png    Sphinx's documentation in xchm
#   docs/doxygen-xchm.png, docs/doxygen-xchm-index.png  libmspack's header (Doxygen) in xchm
#   docs/manual-contents-xchm.png                        a dropped index.html of libxslt's manual:
#                                                        the contents list hhc makes
#   docs/windows/sphinx-hh.png, docs/windows/doxygen-hh.png  the same files in Wine's hh.exe
# The real projects are built as tests/hhc/real_projects.sh builds them. Wine has no HTML engine
# here, so hh.exe's page pane stays blank. Needs xchm, wine64, xvfb, xdotool, imagemagick and
# the test packages (scripts/lib/packages.sh).
# Usage: docs/navigation-shots.sh [HHC]   (default build/hhc)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
hhc=$(realpath "${1:-$top/build/hhc}")

if [ "${NAV_SHOT_INNER:-}" = xchm ]; then
  # $2 compiled file, $3 contents picture, $4 index picture or "", $5 item to open or ""
  xchm "$2" 2>/dev/null &
  viewer=$!
  sleep 5
  win=$(xdotool search --onlyvisible --name xCHM | head -1)
  xdotool windowmove "$win" 0 0 windowsize "$win" 1024 768
  sleep 1
  # A wider navigation pane: its sash dragged to the right.
  xdotool mousemove 173 400 mousedown 1 mousemove 250 400 mousemove 330 400 mouseup 1
  sleep 1
  if [ -n "$5" ]; then
    xdotool mousemove 83 "$5" click --repeat 2 --delay 120 1
    sleep 2
  fi
  import -window root "$3"
  if [ -n "$4" ]; then
    xdotool mousemove 128 106 click 1
    sleep 1
    import -window root "$4"
  fi
  kill "$viewer"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$top/tests/hhc/real_projects.sh" "$hhc" "$work/chm" >/dev/null

# The program's own project for a dropped page, in code page 932.
manual=/usr/share/doc/libxslt1-dev/html/index.html
mkdir -p "$work/program"
printf '[Options]\r\nCompiled file=%s\r\nDefault topic=%s\r\nError log file=%s\r\nLanguage=0x411\r\n\r\n[Files]\r\n%s\r\n' \
  "$work/program/Dummy.chm" "$manual" "$work/program/log1.log" "$manual" | iconv -f UTF-8 -t CP932 >"$work/program/Dummy.hhp"
"$hhc" "$work/program/Dummy.hhp" || { iconv -f CP932 -t UTF-8 "$work/program/log1.log"; exit 1; }

shoot() {
  NAV_SHOT_INNER=xchm xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$hhc" "$@"
}
# Row 254 is the fifth item: Sphinx's "Using Sphinx", Doxygen's "Classes".
shoot "$work/chm/sphinxdoc.chm" "$top/docs/sphinx-xchm.png" "$top/docs/sphinx-xchm-index.png" 254
shoot "$work/chm/mspack.chm" "$top/docs/doxygen-xchm.png" "$top/docs/doxygen-xchm-index.png" 254
shoot "$work/program/Dummy.chm" "$top/docs/manual-contents-xchm.png" "" ""

# Wine's hh.exe.
wine=/usr/lib/wine/wine64
export WINEPREFIX="$work/prefix" WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
display=":$((600 + $$ % 300))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
stop_wine() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap stop_wine EXIT
export DISPLAY="$display"
i=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
  i=$((i + 1))
  [ $i -lt 50 ] || { echo "navigation-shots: the virtual screen $display did not start" >&2; exit 1; }
  sleep 0.2
done
"$top/scripts/wine-prefix.sh" "$WINEPREFIX"
for name in sphinx doxygen; do
  case $name in sphinx) chm=sphinxdoc.chm ;; *) chm=mspack.chm ;; esac
  "$wine" hh.exe "$(printf 'Z:%s' "$work/chm/$chm" | tr / '\\')" 2>/dev/null &
  sleep 8
  import -window root "$top/docs/windows/$name-hh.png"
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  sleep 1
done
echo "navigation-shots: pictures written in docs/ and docs/windows/"
