#!/usr/bin/env bash
# Installs the build into a staging folder and checks what a user gets: one program folder
# with the program, the batch command, the compiler and Help.chm; links in bin/; the manual
# pages; a valid menu entry and icons; a Help.chm that holds every help page and the contents file; and a
# batch conversion from the staged install.
# Usage: staged_install_test.sh BUILD SOURCE PROGRAM_DIR HELP_FILE...
set -euo pipefail
build=$1 source=$2 program_dir=$3
shift 3
help_files=("$@")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stage=$scratch/stage
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$scratch/install.log" || {
  cat "$scratch/install.log" >&2
  exit 1
}
root=$stage/usr
folder=$root/$program_dir

for exe in tessaline tessaline-convert hhc; do
  [ -f "$folder/$exe" ] && [ -x "$folder/$exe" ] || fail "$program_dir/$exe is missing or not executable"
done
[ -f "$folder/Help.chm" ] || fail "$program_dir/Help.chm is missing"
for exe in tessaline tessaline-convert hhc; do
  link=$root/bin/$exe
  [ -L "$link" ] || { fail "bin/$exe is not a link"; continue; }
  case $(readlink "$link") in /*) fail "bin/$exe points to an absolute path: $(readlink "$link")" ;; esac
  [ "$(readlink -f "$link")" = "$(readlink -f "$folder/$exe")" ] || fail "bin/$exe does not lead to $program_dir/$exe"
done
for page in man1/tessaline.1.gz man1/tessaline-convert.1.gz man1/hhc.1.gz ja/man1/tessaline.1.gz \
  ja/man1/tessaline-convert.1.gz ja/man1/hhc.1.gz; do
  zcat "$root/share/man/$page" 2>/dev/null | grep -q '^\.TH ' || fail "manual page share/man/$page is missing"
done

copyright=$root/share/doc/tessaline/copyright
[ -f "$copyright" ] || fail "no share/doc/tessaline/copyright"
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
gzip -t "$root/share/doc/tessaline/changelog.gz" 2>/dev/null || fail "no share/doc/tessaline/changelog.gz"

desktop=$root/share/applications/tessaline.desktop
[ -f "$desktop" ] || fail "no menu entry"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
grep -q '^Exec=tessaline$' "$desktop" || fail "the menu entry does not start tessaline"
grep -q '^Name\[ja\]=' "$desktop" || fail "the menu entry has no Japanese name"
for icon in scalable/apps/tessaline.svg 32x32/apps/tessaline.png 64x64/apps/tessaline.png; do
  [ -s "$root/share/icons/hicolor/$icon" ] || fail "icon hicolor/$icon is missing"
done

# Help.chm, read by an independent reader: every page byte for byte, the contents file
# in code page 932.
extracted=$scratch/help
mkdir -p "$extracted"
extract_chmLib "$folder/Help.chm" "$extracted" >/dev/null
for f in "${help_files[@]}"; do
  if [ ! -f "$extracted/$f" ]; then
    fail "Help.chm lacks $f"
  elif [ "$f" = contents.hhc ]; then
    # Stored in the language's code page, and saying so.
    iconv -f UTF-8 -t CP932 "$source/resources/help/$f" | sed 's/charset=utf-8/charset=shift_jis/' |
      cmp -s - "$extracted/$f" || fail "contents.hhc differs"
  else
    cmp -s "$source/resources/help/$f" "$extracted/$f" || fail "$f in Help.chm differs from its source"
  fi
done
grep -q "Local\" value=\"index.html\"" "$extracted/contents.hhc" || fail "the contents file names no start page"

# The staged batch command converts with no set-up, its compiler found beside it.
export XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
mkdir -p "$scratch/pages"
printf '<html><head><meta charset="utf-8"><title>試験</title></head><body><p>本文</p></body></html>' \
  >"$scratch/pages/page.html"
out=$("$root/bin/tessaline-convert" "$scratch/pages/page.html") || fail "the staged tessaline-convert failed: $out"
[ "$out" = "$scratch/pages/page.chm" ] || fail "unexpected output: $out"
[ -s "$scratch/pages/page.chm" ] || fail "no page.chm"
grep -qx "InstallPath=$(readlink -f "$folder")/hhc" "$XDG_CONFIG_HOME/Quillvane/settings.ini" ||
  fail "the compiler was not taken from the program folder: $(cat "$XDG_CONFIG_HOME/Quillvane/settings.ini")"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "staged install: all checks passed"
