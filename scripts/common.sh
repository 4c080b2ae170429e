# Shared by run.sh and test.sh: installs what is missing and builds.

# Packages the build needs, and those the tests and the program need besides.
# librsvg2-bin renders the icon's PNG sizes from its SVG. libfmt-dev's
# headers write the decimal digits of every number the plane shows (used
# header-only, so the program links no library of it). qt6-speech-dev reads
# the lesson aloud through the system's speech engine; its CMake package
# needs qt6-declarative-dev's QmlIntegration to be found. The speech
# dispatcher's plugin is the engine the program speaks through, so a run from
# the build reads aloud where speech-dispatcher has a Japanese voice (and the
# tests take the same path to "no Japanese voice" where it has none).
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-ipafont-gothic librsvg2-bin libfmt-dev
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin)
TEST_PACKAGES=(xvfb xauth xdotool imagemagick
  # The accessibility test reads the window as a screen reader does: the
  # AT-SPI bus and registry, a private session bus, and Python's client.
  at-spi2-core dbus dbus-daemon python3-pyatspi python3-gi gir1.2-atspi-2.0)
# What ./package.sh needs besides the build: debhelper and dpkg-dev build the
# .deb; lintian, desktop-file-utils, appstream and file check it; xvfb, xauth,
# xdotool and x11-utils (xprop) start its program and look at the window.
PACKAGE_PACKAGES=(debhelper dpkg-dev lintian desktop-file-utils appstream file xvfb xauth xdotool
  x11-utils)
# The fuzz targets: clang with libFuzzer and the sanitizer runtimes, and
# libfmt-dev for the core's number texts they compile.
FUZZ_PACKAGES=(clang libclang-rt-14-dev libfmt-dev)
# The static checks of scripts/static-checks.sh: ESLint for the page's
# JavaScript besides the C++ checkers.
CHECK_PACKAGES=(clang-tidy cppcheck eslint)
# The browser's lesson (./web.sh): Emscripten compiles the core to
# WebAssembly (it brings clang and node); g++ builds the tool that lists the
# lesson's texts; fonttools (pyftsubset) with python3-brotli makes the font's
# WOFF2 subset from the desktop's face, and draws the blank WOFF2 face of the
# texts only a screen reader reads; librsvg2-bin renders the page's icons from
# the program's SVG icon; libfmt-dev's headers, compiled by Emscripten as by
# the desktop's build, write the numbers' decimal digits; node-qrcode-generator
# (Kazuhiko Arase's QR code generator, MIT, plain JavaScript) draws the
# teacher's page's code of its link, shipped in dist/web so that the page
# needs no network.
WEB_PACKAGES=(emscripten cmake ninja-build g++ python3 fonttools python3-brotli
  fonts-ipafont-gothic librsvg2-bin libfmt-dev node-qrcode-generator)
# The browser's tests drive real engines through WebDriver: Chromium with its
# driver, WebKitGTK's MiniBrowser with its driver on an Xvfb display, and
# Selenium's Python client under pytest; zbar-tools' zbarimg reads the
# teacher's page's code from a screenshot, a decoder independent of the
# library that drew it. pytest-xdist runs the test files on two workers side
# by side, so that the two processors are both at work while a browser waits.
WEB_TEST_PACKAGES=(chromium chromium-driver webkit2gtk-driver xvfb xauth python3-selenium
  python3-pytest python3-pytest-xdist zbar-tools)

# The browser's tests audit the page with axe-core, the accessibility engine
# behind the browsers' own audits: no Debian package holds it, so it comes
# from the npm registry, at this version, into build-npm (npm itself from
# Debian where the machine has none).
NPM_TEST_PACKAGES=(axe-core@4.10.3)
NPM_FOLDER=build-npm

# Installs those of the given npm packages (name@version) that are not in
# NPM_FOLDER at that version yet.
install_npm_missing() {
  command -v npm >/dev/null || install_missing npm
  local p name
  for p in "$@"; do
    name=${p%@*}
    [ "$(cat "$NPM_FOLDER/node_modules/$name/package.json" 2>/dev/null |
      /usr/bin/python3 -c 'import json, sys; print(json.load(sys.stdin)["version"])' 2>/dev/null)"       = "${p##*@}" ] && continue
    echo "Installing from npm: $p"
    npm install --prefix "$NPM_FOLDER" --no-save --no-audit --no-fund --no-package-lock "$p" >/dev/null
  done
}

# Installs those of the given Debian packages that are not installed yet,
# through sudo when not running as root.
install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  # Wait for another apt run to finish rather than fail on its lock.
  local apt=(apt-get -o DPkg::Lock::Timeout=600)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# configure DIR [cmake options...]: configures DIR for a build of the lesson.
configure() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLESSON_WERROR=ON "$@" >/dev/null
}

# What the sanitizers do on a finding, for the sanitizer tests and the fuzz
# targets: stop at once, with the stack.
export_sanitizer_options() {
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}

# build_web DIR OUT: builds the browser's lesson into DIR and assembles it in
# OUT, and its test build (the same page with the lesson's test object, which
# the browser's tests and benchmarks load) in OUT-test.
build_web() {
  # Emscripten's optimiser finds its JavaScript parser (Debian's node-acorn)
  # only through NODE_PATH where node is not Debian's own.
  export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
  emcmake cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLESSON_WERROR=ON >/dev/null
  cmake --build "$1"
  /usr/bin/python3 src/web/tools/assemble.py "$1/src/web" "$2"
  /usr/bin/python3 src/web/tools/assemble.py "$1/src/web" "$2-test" --test
}

# build DIR [cmake options...]: configures (once) and builds everything into
# DIR: the program, its tests and the benchmarks.
build() {
  configure "$@"
  cmake --build "$1"
}
