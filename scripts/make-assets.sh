#!/bin/sh
# Draws the program's icon and the five button faces with ImageMagick.
# The generated files are checked in; run this only to change the artwork.
#   scripts/make-assets.sh [assets-folder]
set -eu
out=${1:-"$(dirname "$0")/../assets"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The window background, so the rounded corners blend into the form.
back='#DAF4FE'
navy='#1F3C88'
orange='#F28C28'
lightblue='#8CC8F0'

# A 74 x 20 face: name, fill colour, border colour, then extra drawing options.
face() {
  name=$1 fill=$2 border=$3
  shift 3
  convert -size 74x20 "xc:$back" +antialias \
    -fill "$fill" -stroke "$border" -strokewidth 1 \
    -draw 'roundrectangle 0,0 73,19 4,4' \
    -stroke none "$@" \
    -type TrueColor "BMP3:$out/$name.bmp"
}

# Dots every other pixel along a frame inset by 3 pixels.
dots=''
x=3
while [ $x -le 70 ]; do dots="$dots point $x,3 point $x,16"; x=$((x + 2)); done
y=5
while [ $y -le 14 ]; do dots="$dots point 3,$y point 70,$y"; y=$((y + 2)); done

face BPT white "$navy"
face BM white "$orange"
face BO '#D4D4D4' "$navy" -fill '#303030' -draw "$dots"
face BAUTO white "$navy" -fill none -stroke "$lightblue" -draw 'roundrectangle 2,2 71,17 3,3'
face BEF '#EBEBEB' '#C8C8C8'

# The icon: a blue key cap with a white "F" drawn from rectangles.
icon() {
  s=$1
  convert -size 32x32 xc:none \
    -fill "$navy" -draw 'roundrectangle 1,1 30,30 6,6' \
    -fill '#4A8FE0' -draw 'roundrectangle 4,3 27,24 4,4' \
    -fill white -draw 'rectangle 11,7 14,21' -draw 'rectangle 11,7 21,10' \
    -draw 'rectangle 11,13 19,15' \
    -resize "${s}x${s}" "$work/icon$s.png"
}
icon 32
icon 16
convert "$work/icon16.png" "$work/icon32.png" "$out/Vantrel.ico"

# The splash, 369 x 198: the icon, the name and the hint on a light panel.
convert -size 369x198 gradient:'#EAF6FF-#BFDDF5' \
  -fill "$navy" -draw 'rectangle 0,0 368,5' -draw 'rectangle 0,192 368,197' \
  \( "$work/icon32.png" -resize 64x64 \) -geometry +36+58 -composite \
  -font WenQuanYi-Micro-Hei -fill "$navy" -pointsize 34 -annotate +118+98 'Vantrel' \
  -pointsize 15 -fill '#303030' -annotate +120+130 '功能键启动器  ·  按 F12 配置' \
  -type TrueColor "BMP3:$out/SPLASH.bmp"
