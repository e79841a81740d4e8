#!/bin/sh
# Doxygen at its defaults with HHC_LOCATION naming hhc.exe under wine64 (through a small
# wrapper, as people set it up on Linux), on glib's gobject headers: Doxygen reports no
# failure of the compiler, the compiled file is made, and every listed file that exists comes
# back byte for byte through extract_chmLib.
# Usage: doxygen_test.sh WINE_RUN BUILD_FOLDER HHC_EXE
set -eu
wine_run=$1 build=$2 hhc=$3
headers=/usr/include/glib-2.0/gobject
for tool in doxygen extract_chmLib; do
  command -v "$tool" >/dev/null || { echo "doxygen_test: $tool is missing (install doxygen, libchm-bin)"; exit 1; }
done
[ -d "$headers" ] || { echo "doxygen_test: $headers is missing (install libglib2.0-dev)"; exit 1; }

work=$(mktemp -d "$build/doxygen-XXXXXX")
trap 'rm -rf "$work"' EXIT
printf '#!/bin/sh\nexec "%s" "%s" "%s" "$@"\n' "$wine_run" "$build" "$hhc" >"$work/hhc-wine"
chmod +x "$work/hhc-wine"
(cd "$work" && doxygen -g Doxyfile >/dev/null)
printf 'INPUT = %s\nOUTPUT_DIRECTORY = %s/out\nGENERATE_HTMLHELP = YES\nHHC_LOCATION = %s/hhc-wine\n' \
  "$headers" "$work" "$work" >>"$work/Doxyfile"
(cd "$work" && doxygen Doxyfile) >"$work/doxygen.log" 2>&1 || { tail -30 "$work/doxygen.log"; exit 1; }
html=$work/out/html
if grep -q "failed to run html help compiler" "$work/doxygen.log" || [ ! -f "$html/index.chm" ]; then
  grep -v "^Generating\|^Parsing\|^Preprocessing" "$work/doxygen.log" | tail -30
  echo "doxygen_test: no compiled file"
  exit 1
fi
extract_chmLib "$html/index.chm" "$work/read" >/dev/null
bad=0 stored=0
for name in $(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;p}' "$html/index.hhp" | tr -d '\r'); do
  [ -f "$html/$name" ] || continue
  stored=$((stored + 1))
  cmp -s "$html/$name" "$work/read/$name" || { echo "doxygen_test: $name differs"; bad=$((bad + 1)); }
done
echo "doxygen_test: $stored files stored, $bad different"
[ "$bad" -eq 0 ] && [ "$stored" -gt 0 ]
