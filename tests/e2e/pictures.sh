# shellcheck shell=bash
# Pictures of the program's windows compared with the reviewed references in
# tests/e2e/pictures/ (sourced by tests/e2e/cases/19_window_shots.sh; only
# ImageMagick).
#
# Two pictures match when every pixel of each finds a pixel of nearly its
# colour (every channel within PICTURE_FUZZ) at its own place or one pixel
# around it in the other, save at most PICTURE_SLACK pixels. Font smoothing
# moves a glyph's edge greys by a pixel or a few levels and passes; a wrong
# bitmap, a text of another colour or a control moved by two pixels or more
# leaves whole runs of pixels without a partner and fails. Both directions
# are checked, so a text that is missing fails as well as one too many.
PICTURE_FUZZ=${PICTURE_FUZZ:-20}
PICTURE_SLACK=${PICTURE_SLACK:-6}

# Writes $3: a mask, white where a pixel of $1 has no partner in $2.
picture_unpartnered() {
    local args=() dx dy
    for dy in -1 +0 +1; do
        for dx in -1 +0 +1; do
            args+=('(' "$1" '(' "$2" -roll "$dx$dy" ')' -compose difference -composite
                -separate -evaluate-sequence max ')')
        done
    done
    convert "${args[@]}" -evaluate-sequence min -threshold "$PICTURE_FUZZ%" "$3"
}

# Compares picture $1 with reference $2 and writes $3: the reference, the
# picture and the picture with its differing pixels in red, side by side.
# Prints what differs ("412 pixels differ, within 37,120 157,190" or "size
# 300x200, reference 302x200"); true when they match.
picture_compare() {
    local shot=$1 ref=$2 diff=$3 size ref_size
    [[ -f $ref ]] || { echo "no reference $ref"; return 1; }
    [[ -f $shot ]] || { echo "no picture $shot"; return 1; }
    size=$(identify -format '%wx%h' "$shot") || { echo "unreadable picture $shot"; return 1; }
    ref_size=$(identify -format '%wx%h' "$ref") || { echo "unreadable reference $ref"; return 1; }
    if [[ $size != "$ref_size" ]]; then
        convert "$ref" "$shot" -background magenta +append "$diff"
        echo "size $size, reference $ref_size"
        return 1
    fi
    local mask=${diff%.png}-mask.miff count box
    if ! picture_unpartnered "$shot" "$ref" "$mask.a.miff" || ! picture_unpartnered "$ref" "$shot" "$mask.b.miff" ||
        ! convert "$mask.a.miff" "$mask.b.miff" -compose lighten -composite "$mask"; then
        rm -f "$mask" "$mask".?.miff
        echo "comparison of $shot failed"
        return 1
    fi
    rm -f "$mask".?.miff
    count=$(convert "$mask" -format '%[fx:round(mean*w*h)]' info:) || { echo "comparison of $shot failed"; return 1; }
    [[ $count =~ ^[0-9]+$ ]] || { echo "comparison of $shot gave '$count'"; return 1; }
    # Where the differences lie: their bounding box, in window pixels.
    box=$(convert "$mask" -format '%@' info: 2>/dev/null)
    convert "$ref" "$shot" \( "$shot" -modulate 100,30 \( "$mask" -transparent black -fill red -opaque white \) \
        -compose over -composite \) -background magenta +append "$diff"
    rm -f "$mask"
    if ((count > PICTURE_SLACK)); then
        echo "$count pixels differ, within $(picture_box "$box")"
        return 1
    fi
    echo "$count pixels differ"
}

# ImageMagick's trim box "WxH+X+Y" as "left,top right,bottom".
picture_box() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$1"
    printf '%d,%d %d,%d\n' "$x" "$y" $((x + w)) $((y + h))
}
