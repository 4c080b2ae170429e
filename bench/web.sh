#!/usr/bin/env bash
# Builds the browser's lesson into dist/web and measures it in headless
# Chromium (bench/web/measure.py), served on localhost. Prints one table: the
# size of dist/web raw and gzipped, the time from navigation to the first
# complete paint of the plane with a cold and a warm cache, the same in a
# fresh browser under six-fold CPU throttling and without, each against a bare
# page that paints the plane's grid, a drag move of the slope triangle against
# a naive canvas renderer of the same scene at pixel ratio 1 and 2, the main
# thread's time while line A animates, and a pen's move to its ink on screen
# against a bare canvas, with the frame times while writing, unthrottled and
# six-fold throttled. Medians; the last line reads
# "web drag move N us, naive floor M us, ratio R" for the worst case at ratio 1.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

install_missing "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}"
# The build's output is shown only should it fail.
log=$(mktemp)
trap 'cat "$log" >&2; rm -f "$log"' EXIT
build_web build-web dist/web >"$log" 2>&1
trap - EXIT
rm -f "$log"
exec /usr/bin/python3 bench/web/measure.py
