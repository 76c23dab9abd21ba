#!/bin/sh
# Usage: sh res/tools/make_icon_pngs.sh  (rasterises the scalable icon to 48, 64, 128 and 256 pixels; needs rsvg-convert)
set -eu
res=$(cd "$(dirname "$0")/.." && pwd)
svg="$res/icons/hicolor/scalable/apps/zentavo.svg"
for size in 48 64 128 256; do
    folder="$res/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" --output "$folder/zentavo.png" "$svg"
done
