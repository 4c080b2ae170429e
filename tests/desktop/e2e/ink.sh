#!/usr/bin/env bash
# Writing with real X input: with the green pen, a drag across the plane
# leaves a green mark along its way, and away from it the plane is unchanged.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"
start_lesson "$1"
shots=(/tmp/e2e-ink-before-$$.png /tmp/e2e-ink-after-$$.png)
trap 'rm -f "${shots[@]}"; stop_lesson' EXIT
shoot_plane() { import -window root -crop "640x640+$((wx + 16))+$((wy + 32))" +repage "$1"; }
shoot_plane "${shots[0]}"
click 757 318     # the green pen: the pen goes on
press 116 532     # from plane (100, 500) to (400, 500)
for step in $(seq 1 10); do move_to $((116 + 30 * step)) 532; done
release 416 532
for x in 110 150 250 350 395; do expect_plane "$x" 500 "3,175,122" "the mark at x = $x"; done
shoot_plane "${shots[1]}"
for band in 640x488+0+0 640x128+0+512; do   # all but rows 488 to 511
  changed=$(compare -metric AE "${shots[0]}[$band]" "${shots[1]}[$band]" null: 2>&1 || true)
  [ "$changed" = "0" ] || fail "$changed pixels of the plane changed away from the mark ($band)"
done
quit_lesson
echo "e2e ink: ok"
