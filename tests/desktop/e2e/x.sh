# Helpers for the tests that drive the real program with real X input.
# Needs: xdotool, ImageMagick (import, convert).

lesson_pid=""
win=""
wx=0
wy=0

stop_lesson() { [ -n "$lesson_pid" ] && kill "$lesson_pid" 2>/dev/null || true; }
trap stop_lesson EXIT

fail() {
  echo "e2e: FAIL: $*" >&2
  [ -n "$win" ] && import -window root /tmp/e2e-failure-$$.png 2>/dev/null &&
    echo "e2e: screen saved to /tmp/e2e-failure-$$.png" >&2
  exit 1
}

# Starts the program and waits for its window, found by its title.
start_lesson() {
  unset QT_QPA_PLATFORM
  "$1" &
  lesson_pid=$!
  for _ in $(seq 1 200); do
    win=$(xdotool search --onlyvisible --name 'by r\.Yorune' 2>/dev/null | head -n1 || true)
    [ -n "$win" ] && break
    kill -0 "$lesson_pid" 2>/dev/null || fail "the program exited before showing its window"
    sleep 0.05
  done
  [ -n "$win" ] || fail "no window titled '... by r.Yorune' within 10 s"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$win")"
  wx=$X
  wy=$Y
  ww=$WIDTH
  wh=$HEIGHT
}

check_size() {
  [ "$ww" = "$1" ] && [ "$wh" = "$2" ] || fail "window is ${ww}x${wh}, not $1x$2"
}

# Window-relative input.
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; sleep 0.2; }
press() { xdotool mousemove $((wx + $1)) $((wy + $2)) mousedown 1; sleep 0.1; }
move_to() { xdotool mousemove $((wx + $1)) $((wy + $2)); sleep 0.1; }
release() { xdotool mousemove $((wx + $1)) $((wy + $2)) mouseup 1; sleep 0.2; }
type_text() { xdotool type --delay 40 -- "$1"; sleep 0.2; }
key() { xdotool key --delay 40 "$@"; sleep 0.2; }

# The colour of a window pixel as "r,g,b".
pixel() {
  import -window root -crop "1x1+$((wx + $1))+$((wy + $2))" +repage -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# pixel_is X Y (dark | white | red | blue | notblue | r,g,b): whether the
# window pixel has that colour; the pixel is left in $got.
pixel_is() {
  local r g b
  got=$(pixel "$1" "$2")
  IFS=, read -r r g b <<<"$got"
  case "$3" in
    dark) [ $((r + g + b)) -lt 200 ] ;;
    white) [ "$got" = "255,255,255" ] ;;
    red) [ "$r" -gt 180 ] && [ "$g" -lt 120 ] && [ "$b" -lt 120 ] ;;
    blue) [ "$b" -gt 180 ] && [ "$r" -lt 120 ] && [ "$g" -lt 120 ] ;;
    notblue) ! { [ "$b" -gt 180 ] && [ "$r" -lt 120 ] && [ "$g" -lt 120 ]; } ;;
    *) [ "$got" = "$3" ] ;;
  esac
}

# expect_pixel X Y COLOUR WHAT
expect_pixel() {
  pixel_is "$1" "$2" "$3" || fail "$4: pixel ($1, $2) is $got, expected $3"
}

# Types a = 2/3 and b = 1 with Enter after each, then clicks "グラフをかく".
draw_graph_two_thirds() {
  type_text "2/3"
  key Return
  type_text "1"
  key Return
  click 908 336
}

# expect_plane X Y COLOUR WHAT: a pixel of the plane, in plane coordinates.
expect_plane() { expect_pixel $((16 + $1)) $((32 + $2)) "$3" "$4"; }

# await_plane X Y COLOUR WHAT: waits up to 30 s for a pixel of the plane to
# take the colour.
await_plane() {
  local end=$((SECONDS + 30))
  until pixel_is $((16 + $1)) $((32 + $2)) "$3"; do
    [ "$SECONDS" -lt "$end" ] || fail "$4: pixel of the plane ($1, $2) is $got after 30 s, expected $3"
    sleep 0.1
  done
}

# Whether a window region (X Y W H) holds any dark pixel.
region_has_dark() {
  local min
  min=$(import -window root -crop "$3x$4+$((wx + $1))+$((wy + $2))" +repage -colorspace Gray \
    -format '%[fx:int(255*minima)]' info: 2>/dev/null)
  [ "$min" -lt 100 ]
}

# Ends the program with "終了" and checks that it exits with status 0 within a second.
quit_lesson() {
  xdotool mousemove $((wx + 968)) $((wy + 656)) click 1
  expect_ended "終了"
}

# Asks the window to close, as a window manager's close button does
# (WM_DELETE_WINDOW), and checks that the program ends like with "終了".
close_window() {
  /usr/bin/python3 - "$win" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]
display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.POINTER(Event)]
if not x.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("cannot send WM_DELETE_WINDOW")
# A round trip, not a mere flush: the server has taken the request before this
# client disconnects (with a flush alone it was now and then lost).
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XSync(display, 0)
PY
  expect_ended "closing the window"
}

# expect_ended HOW: the program exits with status 0 within a second.
expect_ended() {
  for _ in $(seq 1 100); do
    kill -0 "$lesson_pid" 2>/dev/null || break
    sleep 0.01
  done
  kill -0 "$lesson_pid" 2>/dev/null && fail "the program still runs a second after $1"
  local status=0
  wait "$lesson_pid" || status=$?
  lesson_pid=""
  [ "$status" -eq 0 ] || fail "exit status $status after $1"
}
