#!/bin/sh
# Renders the pictures for the Windows resource script: PNGs and multi-size .ico files in
# pictures/rendered/. Run by hand after changing an SVG; the outputs are committed.
# Needs rsvg-convert (librsvg2-bin) and convert (imagemagick).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src="$here/pictures"
out="$src/rendered"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

for name in icon close option help; do
    sizes="16 24 32 48"
    [ "$name" = icon ] && sizes="16 20 24 32 40 48 64 256"
    layers=""
    for size in $sizes; do
        rsvg-convert -w "$size" -h "$size" "$src/$name.svg" -o "$work/$name-$size.png"
        layers="$layers $work/$name-$size.png"
    done
    # shellcheck disable=SC2086 # one argument per layer
    convert $layers -strip "$out/$name.ico"
    rsvg-convert -w 32 -h 32 "$src/$name.svg" -o "$out/$name.png"
    rsvg-convert -w 64 -h 64 "$src/$name.svg" -o "$out/$name@2x.png"
done
echo "rendered into $out"
