#!/usr/bin/env bash
# The real program running natively on Wayland: Weston (its X11 backend, in a
# virtual X display of the script's own, the one Weston backend with a seat
# that xdotool can drive and a clipboard), the program with
# QT_QPA_PLATFORM=wayland and no X display of its own.
#   1. "Load Sample/Example Numbers" five times, "Start Analysis", tick the
#      first row, "Copy Results To Clipboard": the Wayland clipboard holds the
#      row with CR LF; the notice opens over the window and closes on Return.
#   2. The title bar's maximise button (the window fills the desktop), the
#      same button again, then the pointer over the buttons; a double-click
#      on the title bar; dragging the frame's corner out and in: the program
#      is still there, its window grown by the drag, then back at its
#      content's size, never smaller.
#   3. An entry carried down to the bottom edge of the number list scrolls
#      the list (its scroll bar moves), as the screen-position rule does on X.
# Usage: wayland.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: wayland.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
analyse="$bin/tallowmere-analyse"
finder="$(dirname "$0")/lib/weston_window.py"
[ -x "$program" ] || { echo "FAIL: $program is missing" >&2; exit 1; }
for tool in Xvfb weston wl-paste xdotool import python3; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (tools/setup.sh installs it)" >&2; exit 1; }
done
plugins=$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$plugins/platforms/libqwayland-generic.so" ] ||
  { echo "FAIL: Qt's Wayland platform (qt6-wayland) is not installed" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
weston_pid=""
app_pid=""
stop_pid() {
  local pid=$1
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}
cleanup() {
  stop_pid "$app_pid"
  stop_pid "$weston_pid"
  stop_pid "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in app weston; do
    [ -s "$work/$log.log" ] && { echo "--- $log output:" >&2; tail -n 20 "$work/$log.log" >&2; }
  done
  exit 1
}
alive() { kill -0 "$app_pid" 2>/dev/null || { app_pid=""; fail "the program ended: $1"; }; }

# Weston's desktop: 1200 x 1180 with its panel, so the window, placed as the
# program places it on X (centred), puts the list's bottom rows below the
# screen height where carried entries start to scroll the list down.
desk_w=1200 desk_h=1180
start_display 1280x1200
mkdir -p "$work/runtime" "$work/home" "$work/config"
chmod 700 "$work/runtime"
socket=tallowmere-e2e
# No animations: a window found on a screenshot must already stand where it stays.
cat >"$work/weston.ini" <<'INI'
[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI
XDG_RUNTIME_DIR="$work/runtime" weston --config="$work/weston.ini" --backend=x11-backend.so --socket="$socket" \
  --width=$desk_w --height=$desk_h --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$work/runtime/$socket" ] && break; sleep 0.1; done
[ -S "$work/runtime/$socket" ] || fail "Weston did not start"
sleep 1  # its desktop shell and panel
# Weston follows the pointer only after it has entered Weston's window; the
# pointer of a new display already stands inside it. Out and in again.
xdotool mousemove 1270 1195; sleep 0.2
xdotool mousemove 600 600; sleep 0.2

wl() { env -u DISPLAY XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY="$socket" "$@"; }
wl HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=wayland \
  QT_LOGGING_RULES="default.warning=false" "$program" >"$work/app.log" 2>&1 &
app_pid=$!

shot() { import -window root -depth 8 "$work/shot.ppm" 2>/dev/null; }
menu_bar=""
find_window() {  # sets cx cy: the content's top-left corner on the X display; ww wh: the client area's size
  local place last="" left top measured
  for _ in $(seq "${1:-100}"); do
    alive "while looking for its window"
    place=""
    shot && place=$(python3 "$finder" "$work/shot.ppm" $desk_w $desk_h)
    # Found at the same place and size twice running: the window stands still.
    if [ -n "$place" ] && [ "$place" = "$last" ]; then
      read -r left top ww wh measured <<<"$place"
      # The menu bar's height, measured at the first sight of the window; the
      # places below are the content's, under the bar.
      menu_bar=${menu_bar:-$measured}
      cx=$left cy=$((top + menu_bar))
      return 0
    fi
    last=$place
    sleep 0.2
  done
  return 1
}
# The window's client area is exactly WIDTH x HEIGHT (the content's part of
# it, under the menu bar), or the test fails with MESSAGE.
expect_size() {
  [ "$ww" -eq "$1" ] && [ "$wh" -eq $(($2 + menu_bar)) ] ||
    fail "$3: its client area is ${ww}x${wh}, not $1x$(($2 + menu_bar)) (a menu bar of $menu_bar pixels over $1x$2)"
}
find_window || fail "no window of the program on the Weston desktop within 20 s"
[ "$menu_bar" -gt 0 ] || fail "no menu bar seen at the top of the window"
# A first start (no remembered size) on a desktop it fits opens at the
# content's size.
expect_size 536 638 "the window did not open at its content's size"
# Weston takes the pointer's place from motion events: move there, then once
# more by a pixel, so the press never lands where the pointer was before.
point() {
  xdotool mousemove $((cx + $1 + 1)) $((cy + $2)); sleep 0.1
  xdotool mousemove $((cx + $1)) $((cy + $2)); sleep 0.1
}
click() { point "$1" "$2"; xdotool click 1; sleep 0.4; }
hover_buttons() {  # over "Start Analysis", "Clear List", "Copy Results To Clipboard"
  local p
  for p in "268 292" "136 170" "136 617" "400 617"; do
    set -- $p
    xdotool mousemove $((cx + $1)) $((cy + $2)); sleep 0.3
  done
}

# --- 1. The sample, the analysis, one row copied through the Wayland clipboard.
for _ in 1 2 3 4 5; do click 400 181; done  # Load Sample/Example Numbers
click 268 292  # Start Analysis
click 19 340   # tick the first row
click 136 617  # Copy Results To Clipboard
sleep 0.5
expected="$(printf '7\n15\n61\n100\n%.0s' 1 2 3 4 5 | "$analyse" --entries | head -n1)"
got=$(wl timeout 10 wl-paste -n | od -An -c | tr -s ' ')
want=$(printf '%s\r\n' "$expected" | od -An -c | tr -s ' ')
[ "$got" = "$want" ] || fail "clipboard: expected [$want], got [$got]"
alive "after copying"
xdotool key Return; sleep 0.5  # the notice has the keyboard
echo "PASS: copied through the Wayland clipboard: $expected"

# --- 2. Maximise and back, double-click the title bar, drag the frame's corner.
# The title bar's maximise button stands 35 pixels left of the client area's
# right edge, 15 pixels over its top.
maximise_button() { click $((ww - 35)) $((-15 - menu_bar)); sleep 0.6; }
find_window 25 || fail "the window is gone after the notice"
maximise_button
hover_buttons; alive "after maximise and moving over the buttons"
find_window 25 || fail "the window is gone after maximise"
# Maximised: the whole desktop's width below the panel, down to its bottom.
[ "$ww" -eq $((desk_w - 6)) ] && [ $((cy - menu_bar + wh + 3)) -eq "$desk_h" ] ||
  fail "the window did not maximise: its client area is ${ww}x${wh} at $cx $((cy - menu_bar))"
maximise_button  # the same button restores it
hover_buttons; alive "after the restore and moving over the buttons"
find_window 25 || fail "the window is gone after its restore"
expect_size 536 638 "the window did not come back to its size from maximised"
point 268 $((-15 - menu_bar)); xdotool click --repeat 2 --delay 80 1; sleep 1
hover_buttons; alive "after a double-click on the title bar"
find_window 25 || fail "the window is gone after the double-click"
# Qt's own title bar maximises on a double-click in some versions and not in
# others: either way the window comes back to its size.
[ "$ww" -ne 536 ] && { maximise_button; find_window 25 || fail "the window is gone after its restore"; }
expect_size 536 638 "the window did not come back to its size after the double-click"
# The window grows by its corner (the frame's, a pixel beyond the client
# area's), and shrinks back no smaller than its content.
for target in "60 40 596 678" "-200 -200 536 638"; do
  set -- $target
  point $((ww + 1)) $((wh - menu_bar + 1)); xdotool mousedown 1; sleep 0.2
  xdotool mousemove $((cx + ww + 1 + $1)) $((cy + wh - menu_bar + 1 + $2)); sleep 0.3
  xdotool mouseup 1; sleep 0.5
  hover_buttons; alive "after dragging the frame's corner by $1 $2"
  find_window 25 || fail "the window is gone after its corner was dragged by $1 $2"
  expect_size "$3" "$4" "dragging the frame's corner by $1 $2"
done
echo "PASS: maximise and restore, a double-click and resizing by the corner leave the program running at its size"

# --- 3. A carried entry scrolls the list at its bottom edge.
bar() { import -window root -depth 8 -crop "14x115+$((cx + 510))+$((cy + 8))" "$work/$1.ppm" 2>/dev/null; }
bar before
point 60 31; xdotool mousedown 1; sleep 0.3  # the first entry, "7"
for y in 48 65 82 99 116; do xdotool mousemove $((cx + 60)) $((cy + y)); sleep 0.15; done
for _ in $(seq 8); do  # wiggle over the last two visible rows
  xdotool mousemove $((cx + 62)) $((cy + 101)); sleep 0.15
  xdotool mousemove $((cx + 60)) $((cy + 118)); sleep 0.15
done
xdotool mouseup 1; sleep 0.3
bar after
alive "after carrying an entry"
cmp -s "$work/before.ppm" "$work/after.ppm" && fail "the number list did not scroll when an entry was carried to its bottom edge"
echo "PASS: an entry carried to the bottom edge scrolls the number list"
