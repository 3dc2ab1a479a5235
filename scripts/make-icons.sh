#!/usr/bin/env bash
# Renders the PNG sizes of the program icon from its SVG into data/icons/.
# Run after changing data/icons/org.dorvel.Dorvel.svg and commit the PNGs.
# Needs rsvg-convert (librsvg2-bin) or ImageMagick's convert.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
svg="$here/data/icons/org.dorvel.Dorvel.svg"
for size in 16 24 32 48 64 128 256; do
  png="$here/data/icons/org.dorvel.Dorvel-$size.png"
  if command -v rsvg-convert >/dev/null 2>&1; then
    rsvg-convert -w "$size" -h "$size" -o "$png" "$svg"
  else
    convert -background none -density 384 "$svg" -resize "${size}x${size}" -strip "$png"
  fi
done
