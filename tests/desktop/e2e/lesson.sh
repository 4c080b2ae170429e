#!/usr/bin/env bash
# The typical lesson on the real program with real X input: type a and b,
# draw the graph, line A, the slope triangle, its integer multiple, shrink
# and enlarge it, drag it, each plane size, erase line A and the triangle,
# reset and quit, checking the picture at each stage: every button pressed
# at its place, and its own effect seen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"
start_lesson "$1"

draw_graph_two_thirds
expect_plane 470 170 dark "graph: the point (3, 3)"
expect_plane 400 100 white "graph: away from it"

click 862 448     # Quick, so that line A appears at once
click 828 416     # 補助線A
expect_plane 345 270 red "line A step 0: the run"
expect_plane 370 250 red "line A step 0: the rise"

click 828 504     # 補助線C, k = 1
expect_plane 345 270 blue "triangle k = 1: the run"
expect_plane 370 250 blue "triangle k = 1: the rise"

click 968 568     # 整数倍, k = 3
expect_plane 445 270 blue "triangle k = 3: the run"
expect_plane 470 220 blue "triangle k = 3: the rise"

click 808 568     # 縮小, k = 2
await_plane 445 270 dark "縮小, k = 2: the run ends at x = 420"
expect_plane 395 270 blue "縮小, k = 2: the run"
click 880 568     # 拡大, k = 3
await_plane 445 270 blue "拡大, k = 3: the run again"

press 116 532     # drag by (30, 20) from plane (100, 500)
for step in 1 2 3; do move_to $((116 + 10 * step)) $((532 + 7 * step)); done
move_to 146 552
release 146 552
expect_plane 475 290 blue "dragged triangle: the run at y = 290"
expect_plane 470 230 notblue "dragged triangle: gone from its old place"

click 968 64      # 特大: 14 pixels per unit
await_plane 334 590 dark "14 px/unit: grid line at x = 334"
expect_plane 341 590 white "14 px/unit: between grid lines"
click 728 64      # 小: 100 pixels per unit
await_plane 420 600 dark "100 px/unit: grid line at x = 420"
expect_plane 370 600 white "100 px/unit: no grid line at x = 370"
click 808 64      # 中: 50 pixels per unit
await_plane 370 600 dark "50 px/unit: grid line at x = 370"

click 888 64      # 大: 25 pixels per unit
await_plane 345 600 dark "25 px/unit: grid line at x = 345"
expect_plane 357 600 white "25 px/unit: between grid lines"
expect_plane 400 290 blue "25 px/unit: the triangle's run at its pixel anchor"
expect_plane 345 285 red "25 px/unit: line A's first rise"

click 972 420     # 消去 of line A
await_plane 345 285 dark "line A erased: the grid line where its rise was"
expect_plane 400 290 blue "line A erased: the triangle stays"
click 972 508     # 消去 of the triangle
await_plane 400 290 white "triangle erased"

click 860 112     # 初期画面(クリア)
expect_plane 400 290 white "reset: triangle gone"
expect_plane 345 600 dark "reset: the plane stays at 25 px/unit"
region_has_dark 750 240 90 34 && fail "reset: the box for a is not empty"

quit_lesson
echo "e2e lesson: ok"
