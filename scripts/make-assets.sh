#!/bin/sh
# Draws the program's artwork with ImageMagick: the icon, the button faces,
# the tab, the check boxes, the main window's skin and the splash.
# The generated files are checked in; run this only to change the artwork.
#   scripts/make-assets.sh [assets-folder]
#
# Every bitmap NAME.bmp has a NAME_2X.bmp twin, drawn at twice the size for
# high-DPI screens. Both are drawn from the same outlines, given in pixels of
# the normal size, on a canvas $fine times finer than the picture, and then
# averaged down: edges on whole pixels stay sharp, curves and slants come out
# smooth, and the twin gets real detail instead of doubled pixels. Text, the
# small tick and the focus dots are placed per size.
#
# The output is the same byte for byte on every run (BMP3 has no dates).
# Bitmaps of at most 256 colours are written with a palette (see the end).
set -eu
out=${1:-"$(dirname "$0")/../assets"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The window background, so the rounded corners blend into the form.
back='#DAF4FE'
backrgb='218,244,254'
navy='#1F3C88'
orange='#F28C28'
lightblue='#8CC8F0'

# The skin's own colours.
titletop='#3A78D8'        # title bar gradient, top row
menu='#C4E4FA'            # menu strip
menutop='#E3F3FE'         # its lighter top line
menubottom='#A9D3F1'      # its darker bottom line
rim='#9FCBEC'             # the thin outline round the window below the title
paneltop='#3D6FC6'        # bottom panel gradient: dark, so the yellow status text reads
panelbottom='#1F3C88'
panelline='#16306E'       # its darker top line
silver='#C0C0C0'          # group frames
green='#1E9A3C'           # check mark
font=WenQuanYi-Micro-Hei

fine=8

# --- Drawing helpers ------------------------------------------------------
# Outlines are MVG in pixel units of the normal-size picture, with (0,0) the
# top-left corner of the top-left pixel (so "rectangle 0,0 1,1" is one pixel).

# begin WIDTH HEIGHT COLOUR: starts a picture of that normal size, filled.
begin() {
  w=$1 h=$2
  n=$((fine * k))
  W=$((w * n)) H=$((h * n))
  unit="affine $n,0,0,$n,-0.5,-0.5"
  convert -size "${W}x$H" "xc:$3" "$work/c.miff"
}

# draw MVG...: draws on the picture (with its own fill and stroke settings).
draw() {
  convert "$work/c.miff" +antialias -draw "$unit $*" "$work/c.miff"
}

# shade TOP BOTTOM Y0 Y1 SHAPE: paints a vertical gradient that runs from TOP
# at row Y0 to BOTTOM at row Y1 through the shape SHAPE (an MVG path).
shade() {
  top=$1 bottom=$2 y0=$3 y1=$4
  shift 4
  convert "$work/c.miff" \
    \( -size "${W}x$(((y1 - y0) * n))" "gradient:$top-$bottom" \
       -background none -splice "0x$((y0 * n))" -extent "${W}x$H" \) \
    \( -size "${W}x$H" xc:black +antialias -draw "$unit fill white $*" \) \
    -composite "$work/c.miff"
}

# fade R,G,B X0 X1 A0 [A1]: veils the columns X0..X1 with that colour, its
# opacity going from A0 to A1 (0 if left out) across them.
fade() {
  c=$1 x0=$2 x1=$3 a0=$4 a1=${5:-0}
  convert "$work/c.miff" \
    \( -size "$H"x"$(((x1 - x0) * n))" "gradient:rgba($c,$a0)-rgba($c,$a1)" -rotate -90 \
       -background none -splice "$((x0 * n))x0" -extent "${W}x$H" \) \
    -composite "$work/c.miff"
}

# finish NAME [OPTIONS...]: averages the picture down to its size and writes
# NAME.bmp (or NAME_2X.bmp); OPTIONS are applied at the final size.
finish() {
  name=$1
  shift
  convert "$work/c.miff" -scale "$((w * k))x$((h * k))!" "$@" \
    -alpha off -type TrueColor "BMP3:$out/$name$sfx.bmp"
}

# box X0 Y0 X1 Y1 [R | TL TR BR BL]: the path round a box with rounded
# corners (radius 0 is a square corner).
box() {
  awk -v x0="$1" -v y0="$2" -v x1="$3" -v y1="$4" \
      -v tl="${5:-0}" -v tr="${6:-${5:-0}}" -v br="${7:-${5:-0}}" -v bl="${8:-${5:-0}}" '
    function arc(r, x, y) { if (r > 0) printf " A %g,%g 0 0,1 %g,%g", r, r, x, y }
    BEGIN {
      printf "path %cM %g,%g L %g,%g", 39, x0 + tl, y0, x1 - tr, y0
      arc(tr, x1, y0 + tr)
      printf " L %g,%g", x1, y1 - br
      arc(br, x1 - br, y1)
      printf " L %g,%g", x0 + bl, y1
      arc(bl, x0, y1 - bl)
      printf " L %g,%g", x0, y0 + tl
      arc(tl, x0 + tl, y0)
      printf " Z%c", 39
    }'
}

# ring COLOUR X0 Y0 X1 Y1 [radii]: a one-pixel line just inside that box.
ring() {
  c=$1
  shift
  set -- $(awk -v a="$*" 'BEGIN {
    n = split(a, v, " ")
    for (i = 5; i <= n; i++) { v[i] -= 0.5; if (v[i] < 0) v[i] = 0 }
    printf "%g %g %g %g", v[1] + 0.5, v[2] + 0.5, v[3] - 0.5, v[4] - 0.5
    for (i = 5; i <= n; i++) printf " %g", v[i]
  }')
  echo "fill none stroke $c stroke-width 1 $(box "$@") stroke none"
}

# pixels X0 Y0 LIST: one-pixel squares at the "x,y" pairs of LIST, shifted.
pixels() {
  awk -v x0="$1" -v y0="$2" -v list="$3" 'BEGIN {
    n = split(list, p, " ")
    for (i = 1; i <= n; i++) {
      split(p[i], q, ",")
      printf " rectangle %d,%d %d,%d", x0 + q[1], y0 + q[2], x0 + q[1] + 1, y0 + q[2] + 1
    }
  }'
}

# --- The key cap ------------------------------------------------------------
# The program icon as outlines, for the small sizes: a navy cap, its lighter
# top and a white "F". keycap16 is the 16-pixel icon, keycap12 the tiny one on
# the tab; both as MVG at the origin (wrap in a translated graphic context).
keycap16() {
  echo "fill $navy $(box 1 1 15 15 3)" \
    "fill #4A8FE0 $(box 2 2 14 12 2)" \
    "fill white rectangle 6,4 8,11 rectangle 8,4 11,6 rectangle 8,7 10,9"
}
keycap12() {
  echo "fill $navy $(box 0 0 12 12 2.5)" \
    "fill #4A8FE0 $(box 1 1 11 9 1.5)" \
    "fill white rectangle 4,3 5,8 rectangle 5,3 8,4 rectangle 5,5 7,6"
}
# The 48-pixel icon: the 32-pixel drawing half as large again, on whole pixels.
keycap48() {
  echo "fill $navy $(box 2 2 46 46 9)" \
    "fill #4A8FE0 $(box 7 5 41 37 6)" \
    "fill white rectangle 16,10 22,34 rectangle 22,10 33,16 rectangle 22,19 30,24"
}

# --- Buttons, 74 x 20 -------------------------------------------------------
# A face: fill from TOP to BOTTOM, a one-pixel BORDER, then extra MVG.
face() {
  name=$1 top=$2 bottom=$3 border=$4
  shift 4
  begin 74 20 "$back"
  shade "$top" "$bottom" 0 20 "$(box 0 0 74 20 3.5)"
  draw "$(ring "$border" 0 0 74 20 3.5)" "$@"
  finish "$name"
}

# The focus frame: every other pixel of a box inset by 3, as DrawFocusRect
# places them.
focus=''
x=3
while [ $x -le 70 ]; do
  [ $(((x + 3) % 2)) = 0 ] && focus="$focus $x,3"
  [ $(((x + 16) % 2)) = 0 ] && focus="$focus $x,16"
  x=$((x + 1))
done
y=4
while [ $y -le 15 ]; do
  [ $(((y + 3) % 2)) = 0 ] && focus="$focus 3,$y"
  [ $(((y + 70) % 2)) = 0 ] && focus="$focus 70,$y"
  y=$((y + 1))
done

buttons() {
  face BPT white '#EEF3F9' "$navy"
  face BM white '#EEF3F9' "$orange" "$(ring '#F9CB9A' 1 1 73 19 2.5)"
  face BO '#C6C6C6' '#DCDCDC' "$navy" "fill #303030 $(pixels 0 0 "$focus")"
  face BAUTO white '#EEF3F9' "$navy" "$(ring "$lightblue" 1 1 73 19 2.5)" \
    "$(ring '#CFE8F9' 2 2 72 18 1.5)"
  face BEF '#F2F2F2' '#E6E6E6' '#CDCDCD'
}

# --- The "功能" tab, 59 x 21 --------------------------------------------------
tab() {
  name=$1
  shift
  begin 59 21 "$back"
  shade '#7DB7F1' '#3F80D7' 0 21 "$(box 0 0 59 21 4 4 0 0)"
  # The outline and a light line inside it.
  draw "$(ring "$navy" 0 0 59 21 4 4 0 0)" \
    "$(ring 'rgba(255,255,255,0.45)' 1 1 58 20 3 3 0 0)" \
    "push graphic-context translate 5,5 $(keycap12) pop graphic-context"
  finish "$name" -font "$font" -pointsize $((12 * k)) "$@"
}
# "功能" in black, or in white over a faint navy shadow.
label() { echo "-fill $1 -annotate +$(($2 + 22 * k))+$(($2 + 15 * k)) 功能"; }

# --- Check boxes, 13 x 13 ---------------------------------------------------
# The mark: the classic seven-pixel tick at the normal size, a smooth stroke
# at double size.
tick() {
  if [ "$k" = 1 ]; then
    echo "fill $green $(pixels 3 3 '6,0 5,1 6,1 0,2 4,2 5,2 6,2 0,3 1,3 3,3 4,3 5,3
      0,4 1,4 2,4 3,4 4,4 1,5 2,5 3,5 2,6')"
  else
    echo "fill none stroke $green stroke-width 1.9 stroke-linecap round" \
      "stroke-linejoin round polyline 3.7,6.4 5.5,8.4 9.4,3.9 stroke none"
  fi
}

# check NAME TOP BOTTOM BORDER [MVG...]
check() {
  name=$1 top=$2 bottom=$3 border=$4
  shift 4
  begin 13 13 "$back"
  shade "$top" "$bottom" 0 13 "$(box 0 0 13 13 2.5)"
  draw "$(ring "$border" 0 0 13 13 2.5)" "$@"
  finish "$name"
}

checks() {
  hover="$(ring '#F9CB9A' 1 1 12 12 1.5)"
  check C1 white '#E6EEF7' "$navy"
  check C2 white '#E6EEF7' "$orange" "$hover"
  check C3 '#C6C6C6' '#DCDCDC' "$navy"
  check C4 white '#E6EEF7' "$navy" "$(tick)"
  check C5 white '#E6EEF7' "$orange" "$hover" "$(tick)"
  check C6 '#C6C6C6' '#DCDCDC' "$navy" "$(tick)"
}

# --- The main window's skin -------------------------------------------------
# The window is 280 pixels wide: title bar (20) and menu strip (24) on top,
# the strip under the menus (21), side edges (8 wide) and the bottom panel
# (76). A thin light outline ($rim) runs round all of it below the title.

# title WIDTH [SHAPE]: the title gradient in rows 0..20.
title() { shade "$titletop" "$navy" 0 20 "${2:-$(box 0 0 "$1" 20)}"; }

# menurows Y WIDTH: the menu strip's 24 rows from row Y.
menurows() {
  echo "fill $menu rectangle 0,$1 $2,$(($1 + 24))" \
    "fill $menutop rectangle 0,$1 $2,$(($1 + 1))" \
    "fill $menubottom rectangle 0,$(($1 + 23)) $2,$(($1 + 24))"
}

# The side edge's eight columns, the same from either side: the outline, a
# light band with a soft highlight next to each line.
edgecols() {
  echo "fill $rim rectangle $1,$2 $(($1 + 8)),$3" \
    "fill #D3ECFC rectangle $(($1 + 1)),$2 $(($1 + 7)),$3" \
    "fill #C9E7FB rectangle $(($1 + 2)),$2 $(($1 + 6)),$3" \
    "fill $menu rectangle $(($1 + 3)),$2 $(($1 + 5)),$3"
}

skin() {
  begin 546 20 "$back"
  title 546
  finish TITLESTRIP

  begin 400 24 "$back"
  draw "$(menurows 0 400)"
  finish MENUSTRIP

  begin 22 44 "$back"
  title 22 "$(box 0 0 22 20 6 0 0 0)"
  draw "$(menurows 20 22)" "fill $rim rectangle 0,20 1,44" \
    "push graphic-context translate 4,2 $(keycap16) pop graphic-context"
  finish TITLELEFT

  # Minimise (a short bar) and close (an X), each with a faint shadow; the
  # X is the classic two-pixel cross at the normal size.
  if [ "$k" = 1 ]; then
    cross="$(pixels 42 5 '0,0 1,0 8,0 9,0 1,1 2,1 7,1 8,1 2,2 3,2 6,2 7,2
      3,3 4,3 5,3 6,3 4,4 5,4 3,5 4,5 5,5 6,5 2,6 3,6 6,6 7,6
      1,7 2,7 7,7 8,7 0,8 1,8 8,8 9,8')"
    glyph() { echo "fill $1 rectangle 27,12 36,14 $cross"; }
  else
    glyph() {
      echo "fill $1 rectangle 27,12 36,14 fill none stroke $1 stroke-width 1.5" \
        "line 42.6,5.6 51.4,13.4 line 51.4,5.6 42.6,13.4 stroke none"
    }
  fi
  begin 56 44 "$back"
  title 56 "$(box 0 0 56 20 0 6 0 0)"
  draw "$(menurows 20 56)" "fill $rim rectangle 55,20 56,44" \
    "push graphic-context translate 0,1 $(glyph 'rgba(16,32,80,0.35)') pop graphic-context" \
    "$(glyph white)"
  finish TITLERIGHT

  begin 8 5 "$back"
  draw "$(edgecols 0 0 5)"
  finish EDGE

  # The strip under the menus: a soft pill-shaped band across the middle,
  # fading in at the left and out at the right, between the side edges.
  band="$(box -20 2 100 19 8.5)"
  bandline="$(ring "$menubottom" -20 2 100 19 8.5)"
  begin 5 21 "$back"
  shade '#DDF1FE' '#B9DEF7' 2 19 "$band"
  draw "$bandline"
  finish STRIPMID

  begin 60 21 "$back"
  shade '#DDF1FE' '#B9DEF7' 2 19 "$(box 11 2 100 19 8.5)"
  draw "$(ring "$menubottom" 11 2 100 19 8.5)"
  fade "$backrgb" 8 52 0.85
  draw "$(edgecols 0 0 21)"
  finish STRIPLEFT

  begin 75 21 "$back"
  shade '#DDF1FE' '#B9DEF7' 2 19 "$(box -20 2 64 19 8.5)"
  draw "$(ring "$menubottom" -20 2 64 19 8.5)"
  fade "$backrgb" 12 67 0 0.85
  draw "$(edgecols 67 0 21)"
  finish STRIPRIGHT

  # The bottom panel: a darker line with a white one under it, the light
  # gradient, the outline down the outer side and round the rounded bottom
  # corner. panel WIDTH X0 X1 [radii]: the panel's box runs from X0 to X1
  # (past the picture on a side that joins the next piece).
  panel() {
    pw=$1 x0=$2 x1=$3
    shift 3
    begin "$pw" 76 "$back"
    shade "$paneltop" "$panelbottom" 0 76 "$(box "$x0" 0 "$x1" 76 "$@")"
    draw "$(ring "$rim" "$x0" -2 "$x1" 76 "$@")" \
      "fill $panelline rectangle 0,0 $pw,1" \
      "fill rgba(255,255,255,0.35) rectangle 1,1 $((pw - 1)),2"
  }
  panel 70 0 72 0 0 0 6
  finish PANELLEFT
  panel 5 -2 7
  finish PANELMID
  panel 65 -2 65 0 0 6 0
  finish PANELRIGHT

  # Group frame corners: a quarter of a one-pixel ring round the inner corner
  # point, which meets the straight silver lines drawn next to it.
  for corner in 'TL 0,3 3,0 3,1 1,3' 'TR 0,0 3,3 2,3 0,1' \
      'BR 3,0 0,3 0,2 2,0' 'BL 3,3 0,0 1,0 3,2'; do
    set -- $corner
    begin 3 3 "$back"
    draw "fill $silver path 'M $2 A 3,3 0 0,1 $3 L $4 A 2,2 0 0,0 $5 Z'"
    finish "FRAME$1"
  done
}

# --- The splash, 369 x 198 --------------------------------------------------
# The icon, the name and the hint on a light panel. The normal size shows the
# 32-pixel icon enlarged; the twin draws the icon's outline at 128 pixels.
splash2x() {
  convert -size 738x396 gradient:'#EAF6FF-#BFDDF5' \
    -fill "$navy" -draw 'rectangle 0,0 737,11' -draw 'rectangle 0,384 737,395' \
    \( -size 1024x1024 xc:none +antialias \
       -draw "affine 32,0,0,32,-0.5,-0.5 fill $navy $(box 1.5 1.5 30.5 30.5 6)" \
       -draw "affine 32,0,0,32,-0.5,-0.5 fill #4A8FE0 $(box 4.5 3.5 27.5 24.5 4)" \
       -draw 'affine 32,0,0,32,-0.5,-0.5 fill white rectangle 11,7 15,22 rectangle 15,7 22,11 rectangle 15,13 20,16' \
       -scale 128x128 \) -geometry +72+116 -composite \
    -font "$font" -fill "$navy" -pointsize 68 -annotate +236+196 'Vantrel' \
    -pointsize 30 -fill '#303030' -annotate +240+260 '功能键启动器  ·  按 F12 配置' \
    -type TrueColor "BMP3:$out/SPLASH_2X.bmp"
}

# --- The icon ---------------------------------------------------------------
# A blue key cap with a white "F" drawn from rectangles: the 32-pixel drawing
# (also the splash's picture), with 16 and 48 drawn on whole pixels.
icon32() {
  convert -size 32x32 xc:none \
    -fill "$navy" -draw 'roundrectangle 1,1 30,30 6,6' \
    -fill '#4A8FE0' -draw 'roundrectangle 4,3 27,24 4,4' \
    -fill white -draw 'rectangle 11,7 14,21' -draw 'rectangle 11,7 21,10' \
    -draw 'rectangle 11,13 19,15' \
    "$work/icon32.png"
}
iconat() {
  size=$1
  shift
  n=$((fine * 2))
  convert -size "$((size * n))x$((size * n))" xc:none +antialias \
    -draw "affine $n,0,0,$n,-0.5,-0.5 $*" -scale "${size}x$size" "$work/icon$size.png"
}
icon32
iconat 16 "$(keycap16)"
iconat 48 "$(keycap48)"
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$out/Vantrel.ico"
# The icon as a picture for dialogs, on the system's dialog grey.
for k in 1 2; do
  sfx=''
  [ $k = 2 ] && sfx=_2X
  convert -size "$((32 * k))x$((32 * k))" xc:'#F0F0F0' \
    \( "$work/icon$((k == 1 ? 32 : 48)).png" -resize "$((32 * k))x$((32 * k))" \) -composite \
    +set date:create +set date:modify -alpha off -type TrueColor "BMP3:$out/APPICON$sfx.bmp"
done

for k in 1 2; do
  sfx=''
  [ $k = 2 ] && sfx=_2X
  buttons
  tab WIN1 $(label black 0)
  tab WIN2 $(label 'rgba(16,32,80,0.5)' 1) $(label white 0)
  checks
  skin
done

convert -size 369x198 gradient:'#EAF6FF-#BFDDF5' \
  -fill "$navy" -draw 'rectangle 0,0 368,5' -draw 'rectangle 0,192 368,197' \
  \( "$work/icon32.png" -resize 64x64 \) -geometry +36+58 -composite \
  -font "$font" -fill "$navy" -pointsize 34 -annotate +118+98 'Vantrel' \
  -pointsize 15 -fill '#303030' -annotate +120+130 '功能键启动器  ·  按 F12 配置' \
  -type TrueColor "BMP3:$out/SPLASH.bmp"
splash2x

# A bitmap of at most 256 colours is stored with a palette of just its
# colours when that is smaller: the same picture in about a third of the
# bytes, and the exe carries every one of them. The rewrite is kept only
# when every pixel comes out the same. Uncompressed: LoadImage makes DIB
# sections of them, and those take no RLE.
for f in "$out"/*.bmp; do
  colours=$(identify -format %k "$f")
  [ "$colours" -le 256 ] || continue
  convert "$f" +dither -colors "$colours" -type Palette -compress None "BMP3:$work/palette.bmp"
  [ "$(compare -metric AE "$f" "$work/palette.bmp" null: 2>&1)" = 0 ] || continue
  [ "$(wc -c <"$work/palette.bmp")" -lt "$(wc -c <"$f")" ] && mv "$work/palette.bmp" "$f"
done
