#!/usr/bin/env bash
# Starts the real program on the X display this runs under, waits for its
# window by title and checks a screenshot: its size and the colours of the
# window and of the plane. (The plane's own pixels are tst_surface's.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x.sh"
start_lesson "$1"
check_size 1024 687
expect_pixel 5 5 "192,255,192" "the window's light green"
expect_pixel 120 100 white "the plane's background"
echo "e2e window: ok"
