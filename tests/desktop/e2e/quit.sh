#!/usr/bin/env bash
# "終了" clicked in the middle of line A's animation ends the real program
# within a second, with status 0.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"
start_lesson "$1"
draw_graph_two_thirds
click 828 416   # 補助線A: the animation starts
sleep 1.5
start=$(date +%s%N)
quit_lesson
echo "e2e quit: ended $((($(date +%s%N) - start) / 1000000)) ms after the click, status 0"
