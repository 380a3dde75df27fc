#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from the SVG next to this script.
# The PNGs are committed so that building the program needs no SVG renderer;
# run this script again (needs rsvg-convert, optionally optipng) after changing the SVG.
set -euo pipefail

cd "$(dirname "$0")"
svg=org.brindlecote.Tallowmere.svg

for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    out="${size}x${size}/org.brindlecote.Tallowmere.png"
    rsvg-convert --width "$size" --height "$size" --format png --output "$out" "$svg"
    if command -v optipng >/dev/null 2>&1; then
        optipng -quiet -o7 -nc -nb -strip all "$out"   # keep 8-bit RGBA
    fi
done
