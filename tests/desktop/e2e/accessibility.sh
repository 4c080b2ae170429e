#!/usr/bin/env bash
# The real program read through the accessibility bus by a real client: every
# showing control named, the erase buttons told apart, the hidden controls
# not showing, and the plane describing the graph, line A and the triangle,
# its changes during a drag told a few times a second at most.
# Runs under dbus-run-session and an X server.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
tree=(/usr/bin/python3 "$here/atspi_tree.py")
start_lesson "$1"

echo "accessibility tree at start:"
"${tree[@]}" controls || fail "the controls' names"
"${tree[@]}" plane "1 目盛り 50 ピクセル" "グラフはまだない" "補助線A なし" "補助線C（傾きの三角形）なし" ||
  fail "the empty plane's description"

draw_graph_two_thirds
click 862 448     # Quick
click 828 416     # 補助線A
click 828 504     # 補助線C
"${tree[@]}" plane "y = 2/3 x + 1" "補助線A あり" "横に 1、縦に 2/3、始点 (0, 1)" ||
  fail "the plane's description with graph, line A and triangle"

# A drag of two seconds with a move every 50 ms: the description ends at the
# new place, told at most about three times a second.
"${tree[@]}" events 3 >/tmp/atspi-events-$$ &
listener=$!
end=$((SECONDS + 30))
until grep -q listening /tmp/atspi-events-$$ 2>/dev/null; do
  [ "$SECONDS" -lt "$end" ] || fail "the listener of the description's changes did not start"
  sleep 0.1
done
press 116 532
for step in $(seq 1 40); do xdotool mousemove $((wx + 116 + step)) $((wy + 532)); sleep 0.05; done
release 156 532
wait "$listener" || fail "the listener of the description's changes failed"
events=$(tail -n1 /tmp/atspi-events-$$)
rm -f /tmp/atspi-events-$$
echo "description changes told during the drag: $events"
# One change is told at once, then at most one every 300 ms: 11 in 3 s.
[ "$events" -ge 1 ] && [ "$events" -le 11 ] || fail "$events description changes told in 3 s"
"${tree[@]}" plane "始点 (0.8, 1)" || fail "the plane's description after the drag"

echo "accessibility tree after the lesson:"
"${tree[@]}" controls || fail "the controls' names after the lesson"
quit_lesson
echo "e2e accessibility: ok"
