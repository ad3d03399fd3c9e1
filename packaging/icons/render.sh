#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# Renders the PNG sizes of the icon. From 48 pixels up they come from
# tavolix.svg; the small sizes (16, 22, 24, 32) are drawn on the pixel grid by
# small_sizes.py, each as its own SIZExSIZE/tavolix.svg, so that they read at
# that size instead of blurring. The PNGs are committed, so a build needs no
# SVG renderer; run this again after changing either drawing.
# ImageMagick's own SVG reader gets the gradients and nested transforms
# wrong, so this takes librsvg's renderer only.
#   packaging/icons/render.sh
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null; then
    echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
    exit 1
fi

python3 small_sizes.py >/dev/null
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    source=tavolix.svg
    [ -f "${size}x${size}/tavolix.svg" ] && source=${size}x${size}/tavolix.svg
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$source" \
        --output "${size}x${size}/tavolix.png"
    echo "${size}x${size}/tavolix.png from $source"
done
