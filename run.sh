#!/usr/bin/env bash
# Installs what is missing, builds, and opens the lesson window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing "${BUILD_PACKAGES[@]}"
# Only the program: the tests and benchmarks are test.sh's to build.
configure build
cmake --build build --target linear-function-lesson

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
There is no display to open the window on.
Run ./run.sh from a desktop session, or over SSH with X forwarding (ssh -X),
or on a virtual display: apt-get install xvfb && xvfb-run ./run.sh
MSG
  exit 1
fi
exec ./build/linear-function-lesson
