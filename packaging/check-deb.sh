#!/usr/bin/env bash
# check-deb.sh DEB: checks a built package as a school machine receives it.
# lintian reports no error and no warning; the menu entry and the metainfo
# validate; every file they name is in the package; and the installed program,
# started from the unpacked package on a virtual display, opens the lesson
# window with its caption, icon and window class.
set -euo pipefail

fail() {
  echo "check-deb: FAIL: $*" >&2
  exit 1
}

# The second stage, run by the first on its virtual display: PROGRAM WMCLASS.
if [ "${1:-}" = --window ]; then
  program=$2
  wm_class=$3
  unset QT_QPA_PLATFORM
  "$program" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  win=""
  for _ in $(seq 1 200); do
    win=$(xdotool search --onlyvisible --name '１次関数のグラフ\(2\)　　by r\.Yorune' 2>/dev/null |
      head -n1 || true)
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the installed program exited before showing its window"
    sleep 0.05
  done
  [ -n "$win" ] || fail "no window with the lesson's caption within 10 s"
  xprop -id "$win" _NET_WM_NAME
  # Task bars on X11 match the window to its menu entry by this class.
  class=$(xprop -id "$win" WM_CLASS)
  echo "$class"
  grep -q "\"$wm_class\"" <<<"$class" ||
    fail "the window's class is not the menu entry's StartupWMClass $wm_class"
  # grep reads all of xprop's long output: with -q it would stop at the
  # first match and xprop, cut off, would fail the pipeline.
  xprop -id "$win" _NET_WM_ICON | grep 'Icon (' >/dev/null || fail "the window carries no icon"
  echo "window icon: present"
  exit 0
fi

[ $# -eq 1 ] && [ -f "$1" ] || fail "usage: $0 PACKAGE.deb"
deb=$(realpath "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"

dpkg-deb -x "$deb" "$root"
desktops=("$root"/usr/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || fail "not exactly one desktop entry"
desktop=${desktops[0]}
id=$(basename "$desktop" .desktop)
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo named after the desktop ID $id"

echo "== desktop-file-validate $id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "== appstreamcli validate --no-net $id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# key KEY: the untranslated value of KEY in the desktop entry.
key() { sed -n "s/^$1=//p" "$desktop"; }
# tag TAG: the text of every <TAG ...>text</TAG> in the metainfo.
tag() { sed -n "s:.*<$1[^>]*>\([^<]*\)</$1>.*:\1:p" "$metainfo"; }

echo "== files named by the desktop entry and the metainfo"
need() { [ -e "$root/$1" ] || fail "$2 names $1, which is not in the package"; }
program=$(key Exec | cut -d' ' -f1)
need "usr/bin/$program" "Exec="
[ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
icon=$(key Icon)
[ "$icon" = "$id" ] || fail "Icon=$icon is not the desktop ID $id"
need "usr/share/icons/hicolor/scalable/apps/$icon.svg" "Icon="
for size in 16 32 48 64 128 256; do
  png=usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  need "$png" "Icon="
  file -b "$root/$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not $size × $size"
done
[ "$(tag id)" = "$id" ] || fail "the metainfo's id is not $id"
for launchable in $(tag launchable); do need "usr/share/applications/$launchable" "<launchable>"; done
for binary in $(tag binary); do need "usr/bin/$binary" "<binary>"; done
need "usr/share/man/man1/$program.1.gz" "the program's name"
need "usr/share/doc/$(dpkg-deb -f "$deb" Package)/copyright" "the package"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$release" = "$(dpkg-deb -f "$deb" Version)" ] ||
  fail "the metainfo's newest release $release is not the package's version"
echo "all present"

echo "== the installed program under Xvfb"
# The server picks a free display itself (-displayfd), so that displays which
# other programs start at the same moment cannot take its number. It reads
# the cookie from its file whatever display number the entry there names;
# the client's file gets the entry for the number the server picked.
cookie=$(mcookie)
: >"$root/server.auth"
: >"$root/client.auth"
xauth -q -f "$root/server.auth" add :0 . "$cookie"
Xvfb -displayfd 3 -auth "$root/server.auth" -screen 0 1280x800x24 -nolisten tcp \
  3>"$root/display" 2>"$root/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$root"' EXIT
for _ in $(seq 1 200); do
  [ -s "$root/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start: $(cat "$root/xvfb.log")"
  sleep 0.05
done
[ -s "$root/display" ] || fail "Xvfb gave no display within 10 s"
export DISPLAY=:$(head -n1 "$root/display")
export XAUTHORITY=$root/client.auth
xauth -q add "$DISPLAY" . "$cookie"
XDG_DATA_DIRS="$root/usr/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
  "$0" --window "$root/usr/bin/$program" "$(key StartupWMClass)"
echo "check-deb: all checks passed"
