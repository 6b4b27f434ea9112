#!/usr/bin/env bash
# Draws data/logo.bmp, the 250 x 100 picture of the layer insertion dialog: a section through a
# layered wall (plaster, brick, insulation, plaster) with the temperature falling across it, and
# the "Murolab" wordmark. Run by hand after a change; the picture is kept in the repository.
# Needs ImageMagick (Debian package imagemagick) and the DejaVu fonts.
set -euo pipefail
cd "$(dirname "$0")/.."
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert

cegla=()
# Brick courses with staggered head joints.
for y in 14 26 38 50 62 74; do
    cegla+=(-draw "line 22,$y 42,$y")
done
for i in 0 1 2 3 4 5; do
    y=$((14 + 12 * i))
    if [ $((i % 2)) -eq 0 ]; then x=32; else x=27; fi
    cegla+=(-draw "line $x,$y $x,$((y + 12))")
    if [ $((i % 2)) -eq 1 ]; then cegla+=(-draw "line 37,$y 37,$((y + 12))"); fi
done

welna=()
# Insulation drawn as the usual loops of a mineral-wool hatch.
for y in 18 30 42 54 66 78; do
    welna+=(-draw "bezier 46,$y 52,$((y - 6)) 58,$((y + 6)) 64,$y")
done

"$convert" -size 250x100 xc:'#FFFFFF' \
    -fill '#D9D4CC' -stroke none -draw 'rectangle 14,14 21,86' \
    -fill '#B5533C' -draw 'rectangle 22,14 42,86' \
    -stroke '#E8E0D6' -strokewidth 1 "${cegla[@]}" \
    -stroke none -fill '#F4DC6B' -draw 'rectangle 43,14 64,86' \
    -fill none -stroke '#B89B2A' -strokewidth 1 "${welna[@]}" \
    -stroke none -fill '#D9D4CC' -draw 'rectangle 65,14 71,86' \
    -fill none -stroke '#4A4A4A' -strokewidth 1 -draw 'rectangle 14,14 71,86' \
    -stroke '#C62828' -strokewidth 2 -draw 'polyline 6,22 14,25 22,27 43,37 65,77 71,79 79,82' \
    -stroke none -fill '#1F3A5F' -font DejaVu-Sans-Bold -pointsize 33 -annotate +88+58 'Murolab' \
    -fill '#5A6B7D' -font DejaVu-Sans -pointsize 10 -annotate +90+78 'ciepło i wilgoć w przegrodzie' \
    -fill '#1F3A5F' -draw 'rectangle 90,64 242,65' \
    -type TrueColor BMP3:data/logo.bmp
echo "data/logo.bmp"
