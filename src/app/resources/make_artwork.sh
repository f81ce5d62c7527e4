#!/usr/bin/env bash
# Redraws the program's pictures (banner, module buttons, logo) with ImageMagick.
# The results are committed; run this only to change the artwork. PNGs are written with 8 bits a
# channel: the windows show no more, and a 16-bit PNG takes several times longer to decode at start.
set -euo pipefail
cd "$(dirname "$0")"
FONT=DejaVu-Sans
BOLD=DejaVu-Sans-Bold

# Banner: a building section with a smoke exhaust shaft (red, up) and supply air (blue, in).
convert -size 900x320 gradient:'#f4f1ee'-'#d9dde3' \
  -fill '#b9c0c8' -draw 'rectangle 0,290 900,320' \
  -fill '#ffffff' -stroke '#5a6470' -strokewidth 3 -draw 'rectangle 250,60 560,290' \
  -stroke '#8a939e' -strokewidth 2 \
  -draw 'line 250,106 560,106' -draw 'line 250,152 560,152' \
  -draw 'line 250,198 560,198' -draw 'line 250,244 560,244' \
  -fill '#c8ced6' -stroke '#5a6470' -draw 'rectangle 500,40 540,290' \
  -fill '#7a1010' -stroke none -draw 'rectangle 490,22 550,40' \
  -fill '#9a2020' -draw 'polygon 520,0 505,18 535,18' \
  -fill '#d9c2c2' -draw 'ellipse 330,228 38,12 0,360' -draw 'ellipse 370,220 30,10 0,360' \
  -fill '#e0301e' -draw 'polygon 300,282 310,252 318,270 326,246 336,282' \
  -stroke '#a02020' -strokewidth 4 -fill none \
  -draw 'line 400,222 495,222' -draw 'line 520,240 520,50' \
  -fill '#a02020' -stroke none -draw 'polygon 495,214 495,230 505,222' \
  -stroke '#1f5fa8' -strokewidth 4 -fill none \
  -draw 'line 160,130 245,130' -draw 'line 160,176 245,176' \
  -fill '#1f5fa8' -stroke none \
  -draw 'polygon 245,122 245,138 255,130' -draw 'polygon 245,168 245,184 255,176' \
  -fill '#5a6470' -font "$BOLD" -pointsize 26 -draw "text 590,120 'Дымоудаление'" \
  -font "$BOLD" -pointsize 26 -draw "text 590,170 'и подпор воздуха'" \
  -fill '#7a1010' -font "$FONT" -pointsize 18 -draw "text 590,215 'расчёт по СП 7.13130.2013'" \
  -quality 90 banner.jpg

# Module buttons: the picture carries the module's name.
button() { # file colour arrow-polygon caption1 caption2
  convert -size 260x110 xc:none -fill '#fbf7f7' -stroke "$2" -strokewidth 3 \
    -draw 'roundrectangle 2,2 257,107 10,10' \
    -fill "$2" -stroke none -draw "$3" \
    -fill '#303840' -font "$BOLD" -pointsize 16 -draw "text 86,50 '$4'" \
    -font "$FONT" -pointsize 15 -draw "text 86,76 '$5'" -depth 8 "PNG32:$1"
}
button button_exhaust.png '#b02020' 'polygon 46,18 20,52 36,52 36,92 56,92 56,52 72,52' \
  'Дымоудаление' 'вытяжная ПДВ'
button button_inflow.png '#1f5fa8' 'polygon 80,55 46,25 46,43 14,43 14,67 46,67 46,85' \
  'Подпор воздуха' 'приточная ПДВ'

# Logo: a red disc with a white swirl, used by the main window's strip and the About box.
convert -size 48x48 xc:none -fill '#7a1010' -draw 'circle 24,24 24,2' \
  -fill none -stroke white -strokewidth 4 -draw 'arc 10,10 38,38 200,520' \
  -fill white -stroke none -draw 'polygon 34,8 42,16 30,18' -depth 8 PNG32:../../shell/resources/logo.png

# The windows read the buttons and the logo undecoded (shell/raw_picture.h).
for picture in button_exhaust.png button_inflow.png ../../shell/resources/logo.png; do
  ../../../scripts/argb-picture.py "$picture"
done
