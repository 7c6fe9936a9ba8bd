#!/usr/bin/env bash
# Rebuilds every picture file the program ships from the drawings in art/:
#   art/generate.py           -> art/angels/NN-name.svg, art/icon/seraphel.svg
#   art/angels/*.svg          -> ui/pictures/angelNN.jpg (75 x 112) and angelNN@2x.jpg (150 x 224)
#   art/icon/seraphel.svg     -> ui/icons/seraphel-SIZE.png and ui/icons/seraphel.svg
#   the icon and Gabriel      -> packaging/windows/installer-welcome.bmp (164 x 314) and
#                                installer-header.bmp (150 x 57), the Windows installer's pictures
#   all of the above          -> art/contact-sheet.png, for looking at them side by side
# Runs from any folder.
set -euo pipefail

art=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$art")
pictures=$root/ui/pictures
icons=$root/ui/icons
installer=$root/packaging/windows
source "$root/scripts/lib/common.sh"

need() {
    command -v "$1" >/dev/null 2>&1 || {
        echo "render.sh: '$1' is missing; install the Debian package $2" >&2
        exit 1
    }
}
need python3 python3
need rsvg-convert librsvg2-bin
need convert imagemagick
need montage imagemagick

window='rgb(79,71,36)'  # the result window's background
label='rgb(128,255,255)'
font=DejaVu-Sans
icon_sizes=(16 32 48 64 128 256)

python3 "$art/generate.py"
mkdir -p "$pictures" "$icons"

# -strip and the excluded date chunks keep the output byte-identical from run to run; full-resolution
# colour (sampling 1x1) keeps thin coloured lines from smearing at 75 x 112.
to_jpeg() { # svg width height out
    rsvg-convert -w "$2" -h "$3" "$1" | convert png:- -strip -sampling-factor 1x1 -quality 90 "$4"
}
to_png() { # svg size out
    rsvg-convert -w "$2" -h "$2" "$1" | convert png:- -strip -define png:exclude-chunks=date,time "$3"
}

make_scratch

labels=()
shopt -s nullglob
sources=("$art"/angels/[0-9][0-9]-*.svg)
[ ${#sources[@]} -eq 14 ] || {
    echo "render.sh: expected 14 angel drawings in $art/angels, found ${#sources[@]}" >&2
    exit 1
}
for svg in "${sources[@]}"; do
    base=$(basename "$svg" .svg)
    nn=${base%%-*}
    to_jpeg "$svg" 75 112 "$pictures/angel$nn.jpg"
    to_jpeg "$svg" 150 224 "$pictures/angel$nn@2x.jpg"
    # The label shows the index and the key as the program knows them, e.g. "6  st. Gabriel".
    key=$(sed -n 's/.*<title>\(.*\)<\/title>.*/\1/p' "$svg")
    labels+=(-label "$((10#$nn))  $key" "$pictures/angel$nn@2x.jpg")
done

cp "$art/icon/seraphel.svg" "$icons/seraphel.svg"
icon_tiles=()
for size in "${icon_sizes[@]}"; do
    to_png "$art/icon/seraphel.svg" "$size" "$icons/seraphel-$size.png"
    # One labelled tile per size, so each label sits right under its own icon.
    montage -font "$font" -pointsize 13 -fill "$label" -background "$window" \
        -label "$size" "$icons/seraphel-$size.png" -geometry +16+8 "$scratch/icon-$size.png"
    icon_tiles+=("$scratch/icon-$size.png")
done

# The installer's welcome and finish page and its header, in the windows' colours, as NSIS takes
# pictures: 24-bit BMP, which holds no time stamp.
rsvg-convert -w 88 -h 88 "$art/icon/seraphel.svg" >"$scratch/icon-88.png"
rsvg-convert -w 44 -h 44 "$art/icon/seraphel.svg" >"$scratch/icon-44.png"
rsvg-convert -w 120 -h 179 "$art/angels/06-gabriel.svg" >"$scratch/gabriel.png"
convert -size 164x314 'gradient:rgb(92,83,42)-rgb(46,41,20)' \
    "$scratch/icon-88.png" -geometry +38+14 -composite \
    -font "$font-Bold" -pointsize 20 -fill "$label" -gravity north -annotate +0+106 Seraphel \
    "$scratch/gabriel.png" -gravity south -geometry +0+0 -composite \
    -strip "BMP3:$installer/installer-welcome.bmp"
convert -size 150x57 "xc:$window" "$scratch/icon-44.png" -gravity west -geometry +6+0 -composite \
    -font "$font-Bold" -pointsize 17 -fill "$label" -annotate +56+0 Seraphel \
    -strip "BMP3:$installer/installer-header.bmp"

montage -font "$font" -pointsize 13 -fill "$label" -background "$window" \
    "${labels[@]}" -tile 7x2 -geometry +10+8 "$scratch/angels.png"
convert -background "$window" -gravity south "${icon_tiles[@]}" +append "$scratch/icons.png"
convert "$scratch/angels.png" "$scratch/icons.png" -background "$window" -gravity center -append \
    -bordercolor "$window" -border 10 -strip -define png:exclude-chunks=date,time "$art/contact-sheet.png"

echo "render.sh: wrote ${#sources[@]} pictures (1x and 2x), ${#icon_sizes[@]} icon sizes, the installer's two" \
    "pictures and art/contact-sheet.png"
