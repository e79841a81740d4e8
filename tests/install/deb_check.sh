#!/usr/bin/env bash
# One-off check of the Debian package on this machine (root, changes the system): installs
# it with apt-get, converts a page as an unprivileged user with a fresh home (no set-up, work
# files in ~/.cache/Quillvane since the program folder is not writable), checks that the
# About box hands the installed Help.chm to xdg-open, that hhc is on the PATH with its manual
# pages in English and Japanese, and removes the package again. First lintian must find
# neither an error nor a warning in the package.
# Usage: tests/install/deb_check.sh [tessaline_*.deb]   (default: build it with scripts/package)
# Needs xvfb, xdotool and imagemagick for the About box step.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
deb=${1:-$("$top/scripts/package" | tail -1)}
deb=$(readlink -f "$deb")
[ "$(id -u)" = 0 ] || { echo "deb_check: run as root (it installs the package)" >&2; exit 2; }
source "$top/scripts/lib/packages.sh"
tess_install_packages "${TESS_PACKAGE_CHECK_PACKAGES[@]}"

home=$(mktemp -d /tmp/tessaline-deb-check.XXXXXX)
cleanup() {
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tessaline >/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# lintian refuses to run as root unless told; it only reads the package.
lintian --allow-root --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings in the package"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
folder=/usr/lib/tessaline
for f in tessaline tessaline-convert hhc Help.chm; do [ -f "$folder/$f" ] || fail "$folder/$f is missing"; done
# man looks in share/man/ja only for a Japanese locale that exists.
locale -a | grep -qix 'ja_JP.utf8' || localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
[ "$(command -v hhc)" = /usr/bin/hhc ] || fail "hhc is not /usr/bin/hhc on the PATH"
for page in tessaline tessaline-convert hhc; do
  [ "$(man -w "$page")" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page: $(man -w "$page" 2>&1)"
  [ "$(LANG=ja_JP.UTF-8 man -w "$page")" = "/usr/share/man/ja/man1/$page.1.gz" ] || fail "no Japanese page for $page"
done
MANWIDTH=80 man hhc 2>/dev/null | grep -q '^NAME' || fail "man hhc shows no page"
MANWIDTH=80 LANG=ja_JP.UTF-8 man hhc 2>/dev/null | grep -q 'HHC_SUCCESS_STATUS' || fail "the Japanese hhc page does not show"
MANWIDTH=80 man hhc | head -8

# An ordinary user, a home of its own, and an xdg-open that only records what it is given.
mkdir -p "$home/pages" "$home/fakebin"
printf '<html><head><meta charset="utf-8"><title>試験</title></head><body><p>本文</p><img src="a.png"></body></html>' \
  >"$home/pages/page.html"
printf 'png' >"$home/pages/a.png"
printf '#!/bin/sh\necho "$@" >>"%s/opened.txt"\n' "$home" >"$home/fakebin/xdg-open"
chmod 755 "$home/fakebin/xdg-open" "$home"
chown -R nobody:nogroup "$home"
as_user() {
  env -i HOME="$home" PATH="$home/fakebin:/usr/bin:/bin" LANG=C.UTF-8 ${DISPLAY:+DISPLAY=$DISPLAY} \
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
}

start=$(date +%s%N)
out=$(cd "$home" && as_user tessaline-convert pages/page.html) || fail "tessaline-convert failed: $out"
echo "tessaline-convert, one page, installed, as nobody: $((($(date +%s%N) - start) / 1000000)) ms"
[ "$out" = "$home/pages/page.chm" ] || fail "unexpected output: $out"
out=$(cd "$home" && as_user tessaline-convert pages/page.html) || fail "second conversion failed: $out"
[ "$out" = "$home/pages/page(1).chm" ] || fail "the second conversion is not page(1).chm: $out"
[ -d "$home/.cache/Quillvane" ] || fail "no work folder in ~/.cache/Quillvane"
grep -qx "InstallPath=$folder/hhc" "$home/.config/Quillvane/settings.ini" || fail "compiler not found beside the program"
[ -z "$(find "$folder" -newer "$deb" -not -type d)" ] || fail "something was written into $folder"

# The About box's help button, driven under a virtual screen.
printf 'StartSplash=OFF\n' >>"$home/.config/Quillvane/settings.ini"
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  about=$(mktemp)
  cat >"$about" <<'INNER'
#!/usr/bin/env bash
home=$1
env -i HOME="$home" PATH="$home/fakebin:/usr/bin:/bin" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
  setpriv --reuid=nobody --regid=nogroup --clear-groups tessaline 2>/dev/null &
app=$!
sleep 4
main=$(xdotool search --onlyvisible --name '^Tessaline' | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 140)) $((Y + 28)) click 1   # coHelp of the main window
sleep 2
box=$(xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' | head -1)
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove $((X + 331)) $((Y + 91)) click 1   # coHelp of the About box
sleep 2
kill "$app"
INNER
  chmod 755 "$about"
  xvfb-run -a -s "-screen 0 1024x768x24 -ac" "$about" "$home" || true
  rm -f "$about"
  opened=$(cat "$home/opened.txt" 2>/dev/null || true)
  [ "$opened" = "$folder/Help.chm" ] || fail "the About box opened '$opened' instead of $folder/Help.chm"
  echo "About box opens: $opened"
else
  fail "the About box step cannot run: it needs xvfb-run and xdotool (packages xvfb, xdotool)"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "deb check: all checks passed; removing the package"
