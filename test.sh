#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer.
# Exits non-zero on any failure or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

build build
ctest --test-dir build --output-on-failure -j2

build build-asan -DCMAKE_BUILD_TYPE=Debug -DLESSON_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j2

# The Debian package: build it into dist/ and check it as a school machine
# receives it (lintian, the menu entry, the metainfo, the program started
# from the unpacked package).
./package.sh

echo "All tests passed."
