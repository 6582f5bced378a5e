#!/usr/bin/env bash
# Draws the small sample pictures of data/Images/ (simple drawings of our own, so the Image
# buttons of the information panels have something to show). Needs ImageMagick's `convert`.
# Usage: tools/make_sample_images.sh [OUTPUT_DIR]   (default: data/Images of the source tree)
set -euo pipefail
out="${1:-$(dirname "$0")/../data/Images}"
mkdir -p "$out"
size=240
c=$((size / 2))

# A disc of radius r centred in a black square, filled with a radial shade.
disc() { # name colour1 colour2 radius
  convert -size ${size}x${size} xc:black \
    \( -size $((2 * $4))x$((2 * $4)) radial-gradient:"$2"-"$3" \) -gravity center -composite \
    \( -size ${size}x${size} xc:black -fill white -draw "circle $c,$c $c,$((c - $4))" \) \
    -compose multiply -composite "$out/$1"
}

disc Sun.jpg '#fffbe0' '#ff9a00' 100
disc Moon.jpg '#f0f0f0' '#8a8a8a' 100
convert "$out/Moon.jpg" -fill '#5a5a5a' -draw "circle 90,100 90,84" -draw "circle 150,140 150,130" \
  -draw "circle 110,160 110,152" "$out/Moon.jpg"
disc Mars.jpg '#f0a070' '#8a3010' 90
disc Venus.jpg '#fffff0' '#d8c890' 95

# Jupiter: a pale disc crossed by darker belts and the red spot.
disc Jupiter.jpg '#f4e6c8' '#b89868' 100
convert "$out/Jupiter.jpg" -fill '#a0704888' -draw "rectangle 20,92 220,104" \
  -draw "rectangle 20,130 220,142" -fill '#c0503080' -draw "ellipse 150,150 14,8 0,360" \
  \( -size ${size}x${size} xc:black -fill white -draw "circle $c,$c $c,20" \) \
  -compose multiply -composite "$out/Jupiter.jpg"

# Saturn: a disc with its ring.
disc Saturn.jpg '#f6e2a8' '#b0904a' 60
convert "$out/Saturn.jpg" -fill none -stroke '#d8c48c' -strokewidth 6 \
  -draw "ellipse $c,$c 105,28 0,360" "$out/Saturn.jpg"

# M31: an inclined oval glow with a bright core; M42: a reddish glow with four stars.
convert -size ${size}x${size} xc:black -fill '#6a6050' -draw "ellipse $c,$c 100,26 0,360" \
  -fill '#c8bca0' -draw "ellipse $c,$c 50,12 0,360" -fill '#fff8e8' \
  -draw "ellipse $c,$c 12,5 0,360" -blur 0x8 -distort SRT 35 "$out/M31.jpg"
convert -size ${size}x${size} xc:black -fill '#802838' -draw "ellipse 115,125 80,60 0,360" \
  -fill '#d06070' -draw "ellipse 125,115 40,30 0,360" -blur 0x14 \
  -fill white -draw "circle 118,120 119,121" -draw "circle 124,117 125,118" \
  -draw "circle 122,125 123,126" -draw "circle 115,124 116,125" "$out/M42.jpg"
echo "sample pictures written to $out"
