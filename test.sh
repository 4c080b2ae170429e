#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer; then
# the static checks, the memory soak, the browser's lesson in Chromium and
# WebKit, the fuzz targets and the Debian package.
# Exits non-zero on any failure, finding or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" \
  "${CHECK_PACKAGES[@]}" "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}"
install_npm_missing "${NPM_TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

# Prints how long the step named by the first argument takes.
timed() {
  local start
  start=$(date +%s)
  "${@:2}"
  echo "test.sh: $1 took $(($(date +%s) - start)) s"
}

build build
timed "tests" ctest --test-dir build --output-on-failure -j2
timed "soak" build/bench/bench_soak

# The browser's lesson: built into dist/web, then driven in Chromium and
# WebKit; its canvas is compared with the desktop's pictures. The test files
# run on two workers side by side, each file on one worker, with its own
# browsers, server port and (for WebKit) display.
timed "web build" build_web build-web dist/web
timed "web tests" env LESSON_DESKTOP_PICTURES="$PWD/build/tests/web_desktop_pictures" \
  /usr/bin/python3 -m pytest -q -n 2 --dist loadfile -p no:cacheprovider tests/web
timed "static checks" scripts/static-checks.sh build build-web

build build-asan -DCMAKE_BUILD_TYPE=Debug -DLESSON_SANITIZE=ON
export_sanitizer_options
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
timed "sanitizer tests" ctest --test-dir build-asan --output-on-failure -j2

# Each fuzz target for 200,000 executions, in its own clang build.
timed "fuzzing" fuzz/run.sh --runs 200000

# The Debian package: build it into dist/ and check it as a school machine
# receives it (lintian, the menu entry, the metainfo, the program started
# from the unpacked package).
timed "package" ./package.sh
echo "All tests passed."
