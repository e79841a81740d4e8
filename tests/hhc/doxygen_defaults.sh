#!/bin/bash
# Doxygen as it comes (doxygen -g), told only to make HTML Help with our hhc, on glib's
# headers: several folders (glib, glib/deprecated, gobject). Doxygen must not report that
# the compiler failed, the compiled file must be there, every file of [FILES] that exists must
# come out byte for byte through extract_chmLib, 7z, chmls and libmspack, and each listed file
# that does not exist (the graphs, when Graphviz is not installed) must be named in the log.
# Usage: doxygen_defaults.sh HHC COMPARE_READERS
set -euo pipefail
hhc=$(realpath "$1")
compare=$(realpath "$2")
glib=/usr/include/glib-2.0
command -v doxygen >/dev/null || { echo "missing doxygen: install doxygen" >&2; exit 1; }
[ -d "$glib/gobject" ] || { echo "missing $glib: install libglib2.0-dev" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && doxygen -g Doxyfile >/dev/null)
cat >>"$work/Doxyfile" <<CONF
INPUT = $glib/glib $glib/gobject $glib/gmodule.h
RECURSIVE = YES
OUTPUT_DIRECTORY = $work/out
GENERATE_HTMLHELP = YES
HHC_LOCATION = $hhc
CONF
start=$SECONDS
(cd "$work" && doxygen Doxyfile) >"$work/doxygen.log" 2>&1 || { tail -40 "$work/doxygen.log" >&2; exit 1; }
html=$work/out/html
if grep -q "failed to run html help compiler" "$work/doxygen.log"; then
  grep -v "^Generating\|^Parsing\|^Preprocessing" "$work/doxygen.log" | tail -40 >&2
  echo "doxygen: the help compiler failed" >&2
  exit 1
fi
[ -f "$html/index.chm" ] || { echo "doxygen: no index.chm was made" >&2; exit 1; }

failures=0 present=0 missing=0
: >"$work/present.txt"
while IFS= read -r name; do
  name=${name%$'\r'}
  [ -z "$name" ] && continue
  if [ -f "$html/$name" ]; then
    echo "$name" >>"$work/present.txt"
    present=$((present + 1))
  else
    missing=$((missing + 1))
    grep -qF "$html/$name does not exist" "$work/doxygen.log" ||
      { echo "the missing $name is not named in the log" >&2; failures=$((failures + 1)); }
  fi
done < <(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;p}' "$html/index.hhp"
         sed -n 's/^\(Contents\|Index\) file=\(.*\)$/\2/p' "$html/index.hhp")
"$compare" "$html/index.chm" "$html" "$work/present.txt" "$work/read" || failures=$((failures + 1))
echo "glib: $present files stored, $missing listed but missing (named in the log)," \
     "$(stat -c %s "$html/index.chm") bytes, $((SECONDS - start)) s"
if [ "$failures" -ne 0 ]; then echo "0 passed, 1 failed"; exit 1; fi
echo "1 passed, 0 failed"
