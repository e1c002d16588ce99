#!/bin/sh
# Draws the pictures the skin carries and writes them to resources/pictures/:
#   title buttons   help, main menu, minimise, maximise, restore (26 x 18) and close (38 x 18): dark glyphs on a
#                   transparent ground with faint separator lines of their own
#   check box       frame and ticked box (13 x 13)
#   arrows          down, up (7 x 4), left, right (4 x 7): opaque black triangles, the rest fully transparent
#   backgrounds     background_small.jpg (945 x 630, a green meadow morning) and background_wide.jpg
#                   (1920 x 1200, an apricot evening over mountains and a lake, with 46 bytes of text after its
#                   end-of-image marker)
# Needs ImageMagick (Debian package imagemagick) and awk. The output is the same on every run.
set -eu
cd "$(dirname "$0")/.."
out=resources/pictures
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 8 bits per channel with alpha, and no ancillary chunks: no time stamps (so runs are reproducible) and no gamma
# chunk that a decoder might apply.
png() {
    convert "$@" -strip -define png:exclude-chunks=all "PNG32:$out/$name.png"
    echo "wrote $out/$name.png"
}

glyph='rgb(32,32,32)'

# Separator lines. Help and main menu: a three-pixel translucent band along the top. Minimise, maximise and
# restore: a one-pixel line along the top and a short line down the left edge (rows 1 to 5) fading out downwards;
# close has the short line on the right edge as well.
band='fill rgba(0,0,0,0.16) rectangle 0,0 25,0 fill rgba(0,0,0,0.10) rectangle 0,1 25,1
      fill rgba(0,0,0,0.05) rectangle 0,2 25,2'
edge_down() {
    printf 'fill rgba(0,0,0,0.20) point %s,1 fill rgba(0,0,0,0.16) point %s,2 fill rgba(0,0,0,0.12) point %s,3
            fill rgba(0,0,0,0.08) point %s,4 fill rgba(0,0,0,0.04) point %s,5' "$1" "$1" "$1" "$1" "$1"
}
edges="fill rgba(0,0,0,0.22) rectangle 0,0 25,0 $(edge_down 0)"
close_edges="fill rgba(0,0,0,0.22) rectangle 0,0 37,0 $(edge_down 0) $(edge_down 37)"

# $1 width, $2 separators, $3 pixel-aligned glyph parts, $4 anti-aliased glyph parts, $5 their stroke width
title() {
    png -size "${1}x18" xc:none +antialias -draw "$2" -fill "$glyph" -draw "${3:-point -1,-1}" \
        -antialias -fill none -stroke "$glyph" -strokewidth "${5:-1}" -draw "${4:-point -1,-1}"
}

name=help
title 26 "$band" '' 'circle 12.5,10 12.5,5.5' 1.6

name=main_menu
title 26 "$band" 'rectangle 8,5 17,5 rectangle 8,14 17,14 rectangle 8,6 8,13 rectangle 17,6 17,13
    rectangle 10,7 15,7 rectangle 10,9 15,9 rectangle 10,11 15,11'

name=minimise
title 26 "$edges" 'rectangle 8,12 17,13'

name=maximise
title 26 "$edges" 'rectangle 8,5 17,6 rectangle 8,14 17,14 rectangle 8,7 8,13 rectangle 17,7 17,13'

# The back square shows only where the front one does not cover it.
name=restore
title 26 "$edges" 'rectangle 10,4 18,5 rectangle 18,6 18,11 rectangle 16,11 17,11 rectangle 10,6 10,6
    rectangle 7,7 15,8 rectangle 7,15 15,15 rectangle 7,9 7,14 rectangle 15,9 15,14'

name=close
title 38 "$close_edges" 'line 14,6 21,13 line 15,6 22,13 line 14,13 21,6 line 15,13 22,6'

# Check box: a diagonal gradient inside a one-pixel border (the border pixels carry its colour and opacity as
# they are); the ticked box adds a tick over the lower middle. $1 border colour, $2 tick
box() {
    png -size 11x11 xc:white -sparse-color Barycentric '0,0 rgb(222,223,214) 10,10 rgb(253,252,252)' \
        -compose Copy -bordercolor "$1" -border 1 -compose Over \
        -antialias -fill none -stroke 'rgb(36,110,117)' -strokewidth 1.8 -draw "${2:-point -1,-1}"
}
name=check_frame
box 'rgba(3,3,3,0.902)'
name=check_mark
box 'rgb(24,81,132)' 'polyline 3,6.5 5.5,9 10,3.5'

# Arrows: whole opaque black pixels, no anti-aliasing, so the rows are exactly 7, 5, 3 and 1 pixels long.
arrow() {
    png -size "$1" xc:none +antialias -fill black -draw "$2"
}
name=arrow_down
arrow 7x4 'rectangle 0,0 6,0 rectangle 1,1 5,1 rectangle 2,2 4,2 point 3,3'
name=arrow_up
arrow 7x4 'point 3,0 rectangle 2,1 4,1 rectangle 1,2 5,2 rectangle 0,3 6,3'
name=arrow_left
arrow 4x7 'point 0,3 rectangle 1,2 1,4 rectangle 2,1 2,5 rectangle 3,0 3,6'
name=arrow_right
arrow 4x7 'point 3,3 rectangle 2,2 2,4 rectangle 1,1 1,5 rectangle 0,0 0,6'

# Backgrounds. A ridge is a filled polygon whose top edge is a sum of sine waves: $1 width, $2 height, $3 base
# line (fraction of the height), $4 "rolling" or "peaks" (the first wave folded into summits of unequal heights),
# $5 waves as "amplitude cycles phase" triples (amplitude as a fraction of the height, cycles across the width).
ridge() {
    awk -v W="$1" -v H="$2" -v base="$3" -v style="$4" -v waves="$5" 'BEGIN {
        n = split(waves, t, " ")
        pi = atan2(0, -1)
        printf "polygon"
        for (x = -10; x <= W + 10; x += W / 320) {
            y = base
            for (i = 1; i <= n; i += 3) {
                s = sin(2 * pi * t[i + 1] * x / W + t[i + 2])
                height = 0.65 + 0.35 * sin(2 * pi * 0.7 * x / W + 1.7 * t[i + 2])
                if (style == "peaks" && i == 1)
                    y -= t[i] * (1 - (s < 0 ? -s : s)) * height
                else
                    y -= t[i] * s
            }
            printf " %.1f,%.1f", x, y * H
        }
        printf " %d,%d %d,%d", W + 10, H + 10, -10, H + 10
    }'
}

# The picture being drawn is $canvas; each step below adds to it. Shapes are made into a variable first, so that
# a failure stops the script.
canvas=$work/canvas.miff

# $1 top colour, $2 bottom colour
sky() {
    convert -size "$size" "gradient:$1-$2" "$canvas"
}

# A vertical gradient cut out by a shape with soft edges: $1 top colour, $2 bottom colour, $3 shape (drawing),
# $4 edge softness (blur sigma), $5 opacity (1 when not given)
layer() {
    convert "$canvas" \( -size "$size" "gradient:$1-$2" \
        \( -size "$size" xc:black -fill white -draw "$3" -blur "0x$4" \) -alpha off -compose CopyOpacity -composite \
        -channel A -evaluate multiply "${5:-1}" +channel \) -compose Over -composite "$canvas"
}

# A mirror image of the band of height $2 above the line y = $1, laid below it at opacity $3.
reflection() {
    convert "$canvas" \( +clone -crop "${W}x$2+0+$(($1 - $2))" +repage -flip \
        -alpha set -channel A -evaluate set "$3" +channel \) -geometry "+0+$1" -compose Over -composite "$canvas"
}

# A soft round glow fading to nothing at its rim: $1 diameter, $2 colour as "r,g,b", $3 opacity at the centre,
# $4 centre x, $5 centre y
glow() {
    # Drawn at a quarter of the size and enlarged: the blur is the slow part. The margin around the circle leaves
    # room for the blur, so the glow has no edge.
    side=$(($1 * 3 / 8))
    convert "$canvas" \( -size "${side}x$side" -define "gradient:radii=$(($1 / 8)),$(($1 / 8))" \
        "radial-gradient:rgba($2,$3)-rgba($2,0)" -blur "0x$(($1 / 48))" -resize 400% \) \
        -geometry "+$(($4 - side * 2))+$(($5 - side * 2))" -compose Over -composite "$canvas"
}

# Soft clouds: $1 colour, $2 shapes (drawing), $3 blur sigma
cloud() {
    convert "$canvas" \( -size "$size" xc:none -fill "$1" -draw "$2" -virtual-pixel transparent -blur "0x$3" \) \
        -compose Over -composite "$canvas"
}

# JFIF, baseline, no metadata.
jpeg() {
    convert "$canvas" -strip -quality 90 -sampling-factor 2x2 -interlace none "JPEG:$out/$name.jpg"
    echo "wrote $out/$name.jpg"
}

# Small: a morning over green rolling hills, pale blue sky warming towards the horizon.
W=945 H=630 size=945x630 name=background_small
sky '#a9cceb' '#fbf2e2'
glow 1000 255,246,224 0.6 680 310
glow 300 255,255,246 0.9 680 300
cloud 'rgba(255,255,255,0.5)' 'ellipse 190,128 120,11 0,360 ellipse 250,116 64,17 0,360 ellipse 320,124 86,10 0,360
    ellipse 820,74 100,8 0,360 ellipse 860,66 46,11 0,360' 9
shape=$(ridge $W $H 0.50 rolling '0.030 1.3 0.4 0.012 3.1 1.9 0.006 7 0.2')
layer '#d9e6e8' '#e6ede6' "$shape" 3
shape=$(ridge $W $H 0.60 rolling '0.040 0.9 2.2 0.015 2.6 0.7 0.005 6 1.1')
layer '#cfe2c6' '#dce9d3' "$shape" 2
shape=$(ridge $W $H 0.72 rolling '0.045 0.7 4.0 0.012 2.2 2.9 0.004 8 0.5')
layer '#bcd8ae' '#cfe3c2' "$shape" 1.5
shape=$(ridge $W $H 0.86 rolling '0.035 0.6 1.0 0.010 1.9 0.3')
layer '#afd09f' '#c6ddb6' "$shape" 1.2
jpeg

# Wide: an apricot evening over mauve mountains and a still lake.
W=1920 H=1200 size=1920x1200 name=background_wide
sky '#efc4b0' '#fdeedc'
glow 1500 255,238,206 0.55 1380 660
glow 420 255,250,236 0.85 1380 690
cloud 'rgba(255,244,238,0.5)' 'ellipse 420,210 300,9 0,360 ellipse 560,196 160,12 0,360 ellipse 1500,140 260,7 0,360
    ellipse 1620,130 120,10 0,360 ellipse 900,300 220,6 0,360' 7
shape=$(ridge $W $H 0.60 peaks '0.20 2.6 0.6 0.018 5.3 1.2 0.008 11 0.4 0.003 23 2.0')
layer '#dccad6' '#ecdfde' "$shape" 3
shape=$(ridge $W $H 0.645 peaks '0.11 3.7 2.1 0.028 6.3 0.3 0.010 13 2.2 0.004 29 0.9')
layer '#cdb7ca' '#e0d0d8' "$shape" 2
cloud 'rgba(255,246,240,0.55)' 'rectangle -40,712 1960,744' 16
reflection 744 300 22%
layer '#f4e6de' '#ddd0dc' 'rectangle -10,744 1930,1210' 0.6 0.72
cloud 'rgba(255,250,244,0.45)' 'rectangle 980,770 1780,771 rectangle 1100,800 1660,801 rectangle 1180,836 1580,837
    rectangle 1240,880 1520,881 rectangle 300,960 900,961 rectangle 1300,1000 1900,1001' 1.5
shape=$(ridge $W $H 0.93 rolling '0.025 0.8 1.3 0.008 2.7 0.4 0.003 9 1.0')
layer '#cfbccc' '#c6b1c3' "$shape" 1.5
jpeg
# 46 bytes of text after the end-of-image marker, which decoders must skip.
printf 'Pantrove wide background (tools/make-artwork)\n' >>"$out/$name.jpg"
