#!/usr/bin/env bash
# "終了" and closing the window end the real program within a second with
# status 0 from anywhere: inside the wait of line A's animation that runs
# inside the wait of the triangle's animation, and in the middle of a drag
# with the pointer button held.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"

# Two waits deep: 補助線C animates the triangle, and 補助線A, clicked in the
# same breath, animates line A (for seconds) inside the triangle's first
# wait. Reached once line A shows on the plane while the triangle has its
# run but not its hypotenuse, which it draws last.
nested_animations() {
  draw_graph_two_thirds
  xdotool mousemove $((wx + 828)) $((wy + 504)) click 1 mousemove $((wx + 828)) $((wy + 416)) click 1
  await_plane 45 470 red "line A's step at x = -6"
  expect_plane 345 270 blue "two waits deep: the triangle's run"
  expect_plane 345 253 notblue "two waits deep: no hypotenuse yet"
}

# A drag in progress: the button stays held on the plane.
dragging() {
  draw_graph_two_thirds
  click 862 448   # Quick, so that the triangle appears at once
  click 828 504   # 補助線C
  press 336 302
  move_to 346 312
  move_to 356 322
  await_plane 365 290 blue "the dragged triangle's run"
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
