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
. "$top/scripts/screenshot-lib.sh"

work=$(mktemp -d)
trap 'wine_stop; rm -rf "$work"' EXIT
bash "$top/tests/hhc/real_projects.sh" "$hhc" "$work/chm" >/dev/null

# The program's own project for a dropped page, in code page 932.
manual=/usr/share/doc/libxslt1-dev/html/index.html
mkdir -p "$work/program"
printf '[Options]\r\nCompiled file=%s\r\nDefault topic=%s\r\nError log file=%s\r\nLanguage=0x411\r\n\r\n[Files]\r\n%s\r\n' \
  "$work/program/Dummy.chm" "$manual" "$work/program/log1.log" "$manual" | iconv -f UTF-8 -t CP932 >"$work/program/Dummy.hhp"
HHC_SUCCESS_STATUS=0 "$hhc" "$work/program/Dummy.hhp" || { iconv -f CP932 -t UTF-8 "$work/program/log1.log"; exit 1; }

# $1 compiled file, $2 contents picture, $3 index picture or "", $4 item to open or ""
shoot() {
  xchm_open "$1"
  sleep 1
  # A wider navigation pane: its sash dragged to the right.
  xdotool mousemove 173 400 mousedown 1 mousemove 250 400 mousemove 330 400 mouseup 1
  sleep 1
  if [ -n "$4" ]; then
    xdotool mousemove 83 "$4" click --repeat 2 --delay 120 1
    sleep 2
  fi
  import -window root "$2"
  if [ -n "$3" ]; then
    xdotool mousemove 128 106 click 1
    sleep 1
    import -window root "$3"
  fi
  xchm_close
}
wine_start navigation-shots "$work/prefix"
# Row 254 is the fifth item: Sphinx's "Using Sphinx", Doxygen's "Classes".
shoot "$work/chm/sphinxdoc.chm" "$top/docs/sphinx-xchm.png" "$top/docs/sphinx-xchm-index.png" 254
shoot "$work/chm/mspack.chm" "$top/docs/doxygen-xchm.png" "$top/docs/doxygen-xchm-index.png" 254
shoot "$work/program/Dummy.chm" "$top/docs/manual-contents-xchm.png" "" ""

# Wine's hh.exe.
wine=/usr/lib/wine/wine64
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
