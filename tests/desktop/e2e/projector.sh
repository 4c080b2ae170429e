#!/usr/bin/env bash
# The lesson on a 1920 x 1080 screen: F11 makes the window fill it, the whole
# layout scaled and centred, the plane painted afresh at its new size; a drag
# moves the triangle by the pointer's displacement in plane pixels; F11 again
# brings back the window of 1024 x 687.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"
start_lesson "$1"
check_size 1024 687
geometry() { eval "$(xdotool getwindowgeometry --shell "$win")"; wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT; }

# F11 works from the keyboard alone, before the window has been clicked.
key F11
sleep 1
geometry
check_size 1920 1080
key F11
sleep 1
geometry
check_size 1024 687
draw_graph_two_thirds
click 828 504     # 補助線C, k = 1, anchor (320, 270)
sleep 1.5         # the triangle's animation

key F11
sleep 1
geometry
check_size 1920 1080

# The plane's side is a whole number of pixels: 640 * min(1920/1024, 1080/687)
# rounded down, 1006; the layout (1610 x 1080) is centred: 155 pixels left.
side=1006
left=$((155 + 25))   # 16 * 1006/640 rounded
top=$((0 + 50))      # 32 * 1006/640 rounded
# The window pixel at the centre of plane pixel (x, y).
at() { awk -v p="$1" -v s="$side" 'BEGIN { printf "%d", (p + 0.5) * s / 640 }'; }
expect_scaled() { expect_pixel $((left + $(at "$1"))) $((top + $(at "$2"))) "$3" "$4"; }

expect_scaled 320 600 dark "scaled: the y axis"
expect_scaled 600 320 dark "scaled: the x axis"
expect_scaled 470 170 dark "scaled: the graph at (3, 3)"
expect_scaled 345 270 blue "scaled: the triangle's run"
expect_pixel 60 500 "192,255,192" "scaled: the margin's light green"

# The grid line at x = 370 covers window columns 370 * s to 371 * s: one of
# them wholly, black; two columns away on either side it is white, as it
# would not be in an enlarged picture.
row=$((top + $(at 600)))
core=$((left + $(at 370)))
expect_pixel "$core" "$row" "0,0,0" "scaled: the grid line's fully covered column"
expect_pixel $((core - 2)) "$row" white "scaled: left of the grid line"
expect_pixel $((core + 2)) "$row" white "scaled: right of the grid line"
expect_pixel $((left + $(at 360))) "$row" white "scaled: between grid lines"

# Drag by (47, 31) window pixels from plane (100, 500): 47 / s = 29.9 and
# 31 / s = 19.72 plane pixels, so the run lies along y = 289.72.
px=$((left + $(at 100))) py=$((top + $(at 500)))
press "$px" "$py"
for step in 1 2 3 4; do move_to $((px + 47 * step / 4)) $((py + 31 * step / 4)); done
release $((px + 47)) $((py + 31))
expect_scaled 375 290 blue "dragged: the run along y = 289.72"
expect_scaled 375 286 notblue "dragged: above the run"
expect_scaled 375 293 notblue "dragged: below the run"
expect_scaled 345 270 notblue "dragged: gone from its old place"

key F11
sleep 1
geometry
check_size 1024 687
expect_plane 320 600 dark "back to 1024 x 687: the y axis"
expect_plane 375 290 blue "back to 1024 x 687: the triangle where it was dragged"
quit_lesson
echo "e2e projector: ok"
