#!/bin/bash
# Real documentation projects compiled with hhc: Sphinx's own documentation (the
# reStructuredText sources Debian's sphinx-doc ships) through sphinx-build's htmlhelp builder,
# and libmspack's header through Doxygen's HTML Help output. hhc runs from another folder with
# the project's relative paths; every file the project lists, its contents and its index must
# come out of the compiled file byte for byte (extract_chmLib), and pychm must see both.
# Usage: real_projects.sh HHC [KEEP_FOLDER]   (KEEP_FOLDER keeps the .chm files there)
set -euo pipefail
hhc=$(realpath "$1")
keep=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
sources=/usr/share/doc/sphinx-doc/html/_sources
header=/usr/include/mspack.h
for need in sphinx-build doxygen extract_chmLib; do
  command -v "$need" >/dev/null || { echo "missing $need: install python3-sphinx, doxygen, libchm-bin" >&2; exit 1; }
done
[ -d "$sources" ] || { echo "missing $sources: install sphinx-doc" >&2; exit 1; }
[ -f "$header" ] || { echo "missing $header: install libmspack-dev" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Every file of [FILES] (and the contents and index files) inside, byte for byte.
check_project() {
  local label=$1 hhp=$2 chm=$3
  local dir listed=0 bad=0 name
  dir=$(dirname "$hhp")
  extract_chmLib "$chm" "$work/$label-out" >/dev/null
  while IFS= read -r name; do
    name=${name%$'\r'}
    name=${name//\\//}
    [ -z "$name" ] && continue
    listed=$((listed + 1))
    if ! cmp -s "$dir/$name" "$work/$label-out/$name"; then
      echo "$label: $name is missing or differs" >&2
      bad=$((bad + 1))
    fi
  done < <(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;p}' "$hhp"
           echo
           sed -n 's/^\(Contents\|Index\) file=\(.*\)$/\2/p' "$hhp")
  # pychm opens the file and returns the contents and index the project names.
  /usr/bin/python3 - "$chm" "$dir" "$hhp" <<'PY' || bad=$((bad + 1))
import re, sys
from chm.chm import CHMFile
chm, folder, hhp = sys.argv[1:]
options = open(hhp, 'rb').read().decode('latin-1')
f = CHMFile()
assert f.LoadCHM(chm.encode()), 'pychm cannot open ' + chm
for key, got in (('Contents', f.GetTopicsTree()), ('Index', f.GetIndex())):
    name = re.search(key + r' file=(.*)', options).group(1).strip()
    want = open(folder + '/' + name, 'rb').read()
    assert got == want, '%s: pychm returns %d bytes, the file has %d' % (key, len(got or b''), len(want))
PY
  echo "$label: $listed files listed in the project, $bad missing or different, $(find "$work/$label-out" -type f | wc -l) stored"
  failures=$((failures + bad))
}

compile() {
  local label=$1 hhp=$2
  mkdir -p "$work/elsewhere"
  # From another folder, with the path relative to it: the project's own paths stay relative.
  # 1 is success, as Microsoft's compiler gives it.
  local status=0
  (cd "$work/elsewhere" && "$hhc" "$(realpath --relative-to="$work/elsewhere" "$hhp")") >"$work/$label.log" 2>&1 || status=$?
  [ "$status" -eq 1 ] || { cat "$work/$label.log" >&2; echo "$label: hhc ended with status $status" >&2; exit 1; }
  grep -q '^Created ' "$work/$label.log" || { cat "$work/$label.log" >&2; exit 1; }
  sed 's/^/  /' "$work/$label.log"
}

# Sphinx: the sources as shipped (name.rst.txt), their pictures from the built manual.
src=$work/sphinx-src
(cd "$sources" && find . -name '*.rst.txt') | while IFS= read -r f; do
  mkdir -p "$src/$(dirname "$f")"
  cp "$sources/$f" "$src/${f%.txt}"
done
for d in _static _static/themes _static/tutorial; do
  mkdir -p "$src/$d"
  cp /usr/share/doc/sphinx-doc/html/_images/*.png "$src/$d/"
done
cp "$here/real_projects/sphinx_conf.py" "$src/conf.py"
sphinx-build -q -b htmlhelp -j 2 "$src" "$work/sphinx" >"$work/sphinx-build.log" 2>&1 ||
  { cat "$work/sphinx-build.log" >&2; exit 1; }
compile sphinx "$work/sphinx/sphinxdoc.hhp"
check_project sphinx "$work/sphinx/sphinxdoc.hhp" "$work/sphinx/sphinxdoc.chm"

# Doxygen: the project only (no compiler named), for a real C library's header.
sed "s|@OUT@|$work/doxygen|; s|@HEADER@|$header|" "$here/real_projects/Doxyfile.in" >"$work/Doxyfile"
doxygen "$work/Doxyfile" >"$work/doxygen.log" 2>&1 || { cat "$work/doxygen.log" >&2; exit 1; }
compile doxygen "$work/doxygen/html/index.hhp"
check_project doxygen "$work/doxygen/html/index.hhp" "$work/doxygen/html/mspack.chm"

if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp "$work/sphinx/sphinxdoc.chm" "$work/doxygen/html/mspack.chm" "$keep/"
fi
if [ "$failures" -ne 0 ]; then echo "0 passed, 1 failed"; exit 1; fi
echo "2 passed, 0 failed"
