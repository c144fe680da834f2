#!/bin/sh
# Re-renders every image under icons/ from its SVG source in icons/svg/.
# Needs rsvg-convert and ImageMagick; run from anywhere.
set -eu

cd "$(dirname "$0")"

# /usr/bin/convert explicitly: another convert earlier on PATH may flatten
# transparency onto white.
MAGICK=/usr/bin/convert

# Tool-button icons: rendered at twice their 80x80 display size so the
# downscaled result stays crisp.
for svg in svg/*.svg; do
    name=$(basename "$svg" .svg)
    case "$name" in
    app_pic | device_pic) continue ;;
    dnd_mur) target="disturb_do_no access_no entry_not_icon.png" ;;
    *) target="$name.png" ;;
    esac
    rsvg-convert -w 160 -h 160 -o "$target" "$svg"
done

rsvg-convert -w 630 -h 394 -o device_pic.png svg/device_pic.svg

# The installed application icon in the hicolor theme (the SVG itself is the scalable one).
for size in 48 256; do
    rsvg-convert -w "$size" -h "$size" -o "app_pic_$size.png" svg/app_pic.svg
done

# Window icon: one frame per size, each rendered straight from the SVG.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
frames=""
for size in 16 32 48 64 256; do
    rsvg-convert -w "$size" -h "$size" -o "$tmp/app_$size.png" svg/app_pic.svg
    frames="$frames $tmp/app_$size.png"
done
# shellcheck disable=SC2086 # the frame list is meant to split
"$MAGICK" $frames app_pic.ico
