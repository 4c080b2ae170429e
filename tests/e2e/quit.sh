#!/usr/bin/env bash
# "終了" clicked in the middle of line A's animation ends the real program
# within a second, with status 0.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"
start_lesson "$1"
type_text "2/3"
key Return
type_text "1"
key Return
click 908 336   # グラフをかく
click 828 416   # 補助線A: the animation starts
sleep 1.5
start=$(date +%s%N)
xdotool mousemove $((wx + 968)) $((wy + 656)) click 1   # 終了
status=0
for _ in $(seq 1 100); do
  kill -0 "$lesson_pid" 2>/dev/null || break
  sleep 0.01
done
kill -0 "$lesson_pid" 2>/dev/null && fail "the program still runs a second after 終了"
wait "$lesson_pid" || status=$?
lesson_pid=""
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$status" -eq 0 ] || fail "exit status $status"
echo "e2e quit: ended ${elapsed} ms after the click, status 0"
