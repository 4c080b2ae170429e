#!/usr/bin/env bash
# "終了" and closing the window end the real program within a second with
# status 0 from anywhere: inside the wait of a triangle animation that runs
# inside the wait of line A's animation, and in the middle of a drag with the
# pointer button held.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"

# Two waits deep: line A animates, and 拡大 clicked meanwhile animates the
# triangle inside one of its waits.
nested_animations() {
  draw_graph_two_thirds
  click 828 504   # 補助線C: the triangle animates for 0.8 s
  sleep 1
  click 828 416   # 補助線A: line A animates, 1.1 s a step
  sleep 0.5
  click 880 568   # 拡大: the triangle animates inside a wait of line A
  sleep 0.2
}

# A drag in progress: the button stays held on the plane.
dragging() {
  draw_graph_two_thirds
  click 862 448   # Quick, so that the triangle appears at once
  click 828 504   # 補助線C
  press 336 302
  move_to 346 312
  move_to 356 322
}

for how in quit close; do
  for scene in nested_animations dragging; do
    start_lesson "$1"
    "$scene"
    if [ "$how" = quit ]; then
      if [ "$scene" = dragging ]; then
        key Tab space   # the focus rests on 初期画面 after a move; Tab reaches 終了
        expect_ended "終了 during a drag"
      else
        quit_lesson
      fi
    else
      close_window
    fi
    # The next scene starts with the button up.
    [ "$scene" = dragging ] && xdotool mouseup 1
    echo "e2e exit: $how during $scene: ended with status 0"
  done
done
