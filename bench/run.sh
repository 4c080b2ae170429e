#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints one table: the drag move
# (the move handler and the repaint of its picture) against a naive renderer
# of the same scene, writing with the pen (a move to its ink painted, and a
# whole frame while writing) against a bare image on which a painter draws
# the same points as line segments, start-up and memory against a bare window
# with the same controls, and the processor time while line A animates. Medians; figures
# from one run side by side. The last line reads
# "drag move N us, naive floor M us, ratio R" for the worst case at ratio 1.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

install_missing "${BUILD_PACKAGES[@]}"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench --target bench_drag bench_ink bench_startup bench_pause_cpu >/dev/null
export QT_QPA_PLATFORM=offscreen
bin=build-bench/bench

# field LABEL N: the Nth number on the line of the output that starts with LABEL.
field() { awk -v label="$1" -v n="$2" 'index($0, label) { split(substr($0, index($0, label) + length(label)), f, " "); print f[n]; exit }'; }

one=$("$bin/bench_drag" 2>/dev/null)
two=$(QT_SCALE_FACTOR=2 "$bin/bench_drag" 2>/dev/null)
ink1=$("$bin/bench_ink" 2>/dev/null)
ink2=$(QT_SCALE_FACTOR=2 "$bin/bench_ink" 2>/dev/null)

# Start-up: alternate the two windows, nine runs each, and take the medians.
bare=() lesson=()
for _ in 1 2 3 4 5 6 7 8 9; do
  bare+=("$("$bin/bench_startup" --bare 2>/dev/null)")
  lesson+=("$("$bin/bench_startup" 2>/dev/null)")
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
bare_ms=$(printf '%s\n' "${bare[@]}" | awk '{ print $2 }' | median)
lesson_ms=$(printf '%s\n' "${lesson[@]}" | awk '{ print $2 }' | median)
bare_kb=$(printf '%s\n' "${bare[@]}" | awk '{ print $4 }' | median)
lesson_kb=$(printf '%s\n' "${lesson[@]}" | awk '{ print $4 }' | median)

cpu=$("$bin/bench_pause_cpu" --line-a 2>/dev/null | field "line A animated:" 11 | tr -d '(%')

naive1=$(field "naive floor " 1 <<<"$one")
naive2=$(field "naive floor " 1 <<<"$two")
worst1=$(field "worst-case drag move" 1 <<<"$one")
worst2=$(field "worst-case drag move" 1 <<<"$two")
usual1=$(field "default-size drag move" 1 <<<"$one")
whole1=$(field "worst, whole-plane repaint" 1 <<<"$one")
whole2=$(field "worst, whole-plane repaint" 1 <<<"$two")
plain1=$(field "plain per-mark move" 1 <<<"$one")
plain2=$(field "plain per-mark move" 1 <<<"$two")
batched1=$(field "batched whole frame" 1 <<<"$one")
batched2=$(field "batched whole frame" 1 <<<"$two")

row() { awk -v what="$1" -v v="$2" -v unit="$3" -v ref="$4" -v against="$5" \
  'BEGIN { printf "%-44s %10.0f %-3s %8.3f  of %s\n", what, v, unit, v / ref, against }'; }
echo "nproc $(nproc); medians; ratios against the reference named"
row "worst-case drag move, pixel ratio 1" "$worst1" us "$naive1" "naive floor, ratio 1"
row "worst-case drag move, pixel ratio 2" "$worst2" us "$naive2" "naive floor, ratio 2"
row "  the same, whole-plane repaint, ratio 1" "$whole1" us "$naive1" "naive floor, ratio 1"
row "  the same, whole-plane repaint, ratio 2" "$whole2" us "$naive2" "naive floor, ratio 2"
row "  move alone, plain per-mark drawing, ratio 1" "$plain1" us "$naive1" "naive floor, ratio 1"
row "  move alone, plain per-mark drawing, ratio 2" "$plain2" us "$naive2" "naive floor, ratio 2"
row "  whole frame, one batched painter, ratio 1" "$batched1" us "$naive1" "naive floor, ratio 1"
row "  whole frame, one batched painter, ratio 2" "$batched2" us "$naive2" "naive floor, ratio 2"
row "default-size drag move (50 px, line A, k 1)" "$usual1" us "$naive1" "naive floor, ratio 1"
row "naive floor, pixel ratio 1" "$naive1" us "$naive1" "itself"
row "naive floor, pixel ratio 2" "$naive2" us "$naive1" "naive floor, ratio 1"
# ink LABEL N OUTPUT: the median (N = 1) or worst (N = 4) figure of a line of bench_ink.
ink() { field "$1" "$2" <<<"$3"; }
for r in 1 2; do
  out=ink$r
  out=${!out}
  floor=$(ink "floor (segment)" 1 "$out")
  floor_worst=$(ink "floor (segment)" 4 "$out")
  row "pen move to its ink painted, ratio $r" "$(ink "ink move to paint" 1 "$out")" us "$floor" \
    "segment floor, ratio $r"
  row "  its worst move, ratio $r" "$(ink "ink move to paint" 4 "$out")" us "$floor_worst" \
    "worst segment, ratio $r"
  row "  whole-plane frame while writing, ratio $r" "$(ink "whole-plane frame" 1 "$out")" us "$floor" \
    "segment floor, ratio $r"
  row "  its worst frame, ratio $r" "$(ink "whole-plane frame" 4 "$out")" us "$floor_worst" \
    "worst segment, ratio $r"
done
awk -v l="$lesson_ms" -v b="$bare_ms" \
  'BEGIN { printf "%-44s %10.1f %-3s %8.3f  of bare window (%.1f ms)\n", "start-up to the first complete paint", l, "ms", l / b, b }'
awk -v l="$lesson_kb" -v b="$bare_kb" \
  'BEGIN { printf "%-44s %10.0f %-3s %8.3f  of bare window (%.0f kB)\n", "resident memory then", l, "kB", l / b, b }'
awk -v c="$cpu" 'BEGIN { printf "%-44s %10.2f %-3s %8.4f  of one core\n", "CPU while line A animates", c, "%", c / 100 }'
tail -n 1 <<<"$one"
