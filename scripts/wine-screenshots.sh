#!/bin/sh
# Screenshots of the Windows program under wine64 on a private Xvfb: the splash, the
# compiler-missing message, the main window, the options dialog (before and after it finds the
# hhc.exe put beside the program), the About box, and a page dropped on the main window with
# the notice at the end of the run. Clicked through as a user would (xdotool); the drag comes
# from the test child.
# Needs the win64 build with its tests (scripts/wine-test.sh makes it).
# Usage: scripts/wine-screenshots.sh [OUTPUT_FOLDER]   (default build-win64/screenshots)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-win64"
out=${1:-$build/screenshots}
[ -x "$build/tessaline.exe" ] || { echo "no $build/tessaline.exe: build the win64 preset first" >&2; exit 1; }
. "$root/scripts/screenshot-lib.sh"
screenshot_packages xvfb xauth xdotool imagemagick fonts-noto-cjk

mkdir -p "$out"
prefix="$build/shots-prefix-$$"
trap 'wine_stop; rm -rf "$prefix" "$prefix.lock"' EXIT
wine_start wine-screenshots "$prefix" 1280x1024
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"

# Waits for a window whose title matches, then sets X Y W H of it.
find_window() {
  i=0
  while [ $i -lt 100 ]; do
    id=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      eval "$(xdotool getwindowgeometry --shell "$id")"
      W=$WIDTH H=$HEIGHT
      sleep 1
      return 0
    fi
    i=$((i + 1))
    sleep 0.2
  done
  echo "no window named $1" >&2
  exit 1
}

# Clicks the middle of a control given in twips (left top width height) on a form whose
# client area is CW x CH twips, at 15 twips to the pixel (96 dpi).
click_control() {  # cw ch left top width height
  cw=$(($1 / 15)) ch=$(($2 / 15))
  border=$(((W - cw) / 2))
  cx=$((X + border + ($3 + $5 / 2) / 15))
  cy=$((Y + H - border - ch + ($4 + $6 / 2) / 15))
  xdotool mousemove "$cx" "$cy" click 1
}

point_control() {  # cw ch left top width height: moves the pointer there
  cw=$(($1 / 15)) ch=$(($2 / 15))
  border=$(((W - cw) / 2))
  xdotool mousemove $((X + border + ($3 + $5 / 2) / 15)) $((Y + H - border - ch + ($4 + $6 / 2) / 15))
}

shot() { import -window root "$out/$1.png"; echo "wine-screenshots: $out/$1.png"; }

# The program alone in its folder, with no workshop: the compiler-missing message shows.
program="$WINEPREFIX/drive_c/Tessaline"
mkdir -p "$program"
cp "$build/tessaline.exe" "$program/"
(cd "$program" && /usr/lib/wine/wine64 ./tessaline.exe >/dev/null 2>&1 &)

find_window "^Tessaline $"
shot 1-frmstart-splash
click_control 7320 4680 6120 4080 1095 375            # Command1 (OK)
find_window "^Vellastro$"
shot 2-compiler-missing
xdotool mousemove $((X + W / 2)) $((Y + H - 22)) click 1
find_window "^Tessaline  Ver"
shot 3-form1
click_control 4395 3060 885 120 735 600               # coOption
find_window "^オプション$"
shot 4-dialog
# The shipped hhc.exe is put beside the program: the dialog's re-detection finds and stores it,
# and the drop below compiles with it.
cp "$build/hhc.exe" "$program/"
click_control 6030 4845 3480 2160 1215 255            # Command1 (re-detect) in Frame2
sleep 2
shot 5-dialog-redetected
click_control 6030 4845 4620 4395 1215 375            # CancelButton
find_window "^Tessaline  Ver"
click_control 4395 3060 1740 120 735 600              # coHelp
find_window "のﾊﾞｰｼﾞｮﾝ情報$"
shot 6-frmabout
click_control 5730 3555 4245 2625 1380 345            # cmdOK

# A page dropped on Frame1 by a drag from another program.
mkdir -p "$WINEPREFIX/drive_c/work"
printf '<html><body><p>テスト</p></body></html>' >"$WINEPREFIX/drive_c/work/ガイド.htm"
find_window "^Tessaline  Ver"
point_control 4395 3060 105 1080 4200 1425            # Frame1
(cd "$build" && /usr/lib/wine/wine64 ./win32_test_child.exe drop 'C:\work\ガイド.htm' >/dev/null 2>&1 &)
find_window "^変換処理完了$"
shot 7-diaend
click_control 6450 1425 4800 960 1215 375             # OKButton
sleep 2
shot 8-form1-finished
ls "$WINEPREFIX/drive_c/work/" | sed 's/^/wine-screenshots: made /'
find_window "^Tessaline  Ver"
click_control 4395 3060 120 120 675 765               # coClose
sleep 2
