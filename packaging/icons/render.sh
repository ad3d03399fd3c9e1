#!/usr/bin/env bash
# Renders the PNG sizes of the icon from tavolix.svg. The PNGs are committed,
# so a build needs no SVG renderer; run this again after changing the SVG.
# ImageMagick's own SVG reader gets the gradients and nested transforms
# wrong, so this takes librsvg's renderer only.
#   packaging/icons/render.sh
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null; then
    echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
    exit 1
fi

for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio tavolix.svg \
        --output "${size}x${size}/tavolix.png"
    echo "${size}x${size}/tavolix.png"
done
