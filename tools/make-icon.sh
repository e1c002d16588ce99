#!/bin/sh
# Draws the program icon (a download arrow over a tray on a rounded tile in the theme colour) at 16, 24, 32,
# 48 and 256 pixels and writes resources/pantrove.ico. Needs ImageMagick (Debian package imagemagick).
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none \
    -fill '#22CADD' -stroke '#137B88' -strokewidth 8 -draw 'roundrectangle 8,8 247,247 48,48' \
    -fill white -stroke none \
    -draw 'rectangle 104,40 152,132' \
    -draw 'polygon 64,124 192,124 128,196' \
    -draw 'roundrectangle 48,204 208,224 8,8' \
    "$work/icon-256.png"
for size in 16 24 32 48; do
    convert "$work/icon-256.png" -resize "${size}x${size}" "$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-24.png" "$work/icon-32.png" "$work/icon-48.png" "$work/icon-256.png" \
    resources/pantrove.ico
echo "wrote resources/pantrove.ico"
