#!/usr/bin/env bash
# Renders the packaged icons in packaging/icons/ again: the 16 and 32 pixel ones are the window
# icon's pictures (widgets/icons/*.xpm) as PNG, the larger ones come from the hand-drawn
# packaging/icons/tallywright.svg. The PNGs are committed; run this after changing either source.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh librsvg2-bin imagemagick
# Debian's imagemagick by its own name: a convert earlier on the PATH may be another program.
convert=$(command -v convert-im6.q16 || command -v convert)
out=packaging/icons
for size in 16 32; do
  # No time stamps in the file, so that an unchanged picture renders to the same bytes.
  "$convert" "widgets/icons/tallywright-$size.xpm" -strip -define png:exclude-chunks=date,time \
    "PNG32:$out/tallywright-$size.png"
done
for size in 22 24 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$out/tallywright.svg" -o "$out/tallywright-$size.png"
done
ls -l "$out"
