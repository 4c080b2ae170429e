#!/usr/bin/env bash
# Installs what is missing, builds the Debian package into dist/, checks it,
# and prints the path of the .deb as its last line.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

# dpkg-buildpackage writes its results beside the source tree and leaves its
# build folders inside it; building a copy keeps this tree and its parent clean.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/src"
tar -c --exclude-vcs --exclude=./build --exclude='./build-*' --exclude=./dist --exclude=./shots \
  --exclude=./.cache --exclude='./obj-*' . | tar -x -C "$stage/src"

mkdir -p dist
rm -f dist/linear-function-lesson_* dist/build.log
echo "Building the package (log: dist/build.log)"
# A school has no use for the debug-symbol package.
if ! (cd "$stage/src" &&
  DEB_BUILD_OPTIONS="noautodbgsym ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b) \
  >dist/build.log 2>&1; then
  tail -n 40 dist/build.log >&2
  echo "The package build failed; the whole log is dist/build.log" >&2
  exit 1
fi
mv "$stage"/linear-function-lesson_* dist/

deb=$(ls dist/linear-function-lesson_*.deb)
packaging/check-deb.sh "$deb"
echo "$PWD/$deb"
