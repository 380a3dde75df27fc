#!/usr/bin/env bash
# The real program under a real window manager (openbox), which frames the
# window only after it is mapped and tells the program with a move. On a
# 1280 x 1024 screen the window, frame and all, stands centred as the
# program places it, unscrolled: 536 pixels wide, the menu bar over its 638
# pixels. On a 1280 x 650 screen the window with its frame would reach past
# the bottom: once framed it must fit the screen, frame and all, and scroll,
# and its bottom buttons must come into view and work there (Copy Results To
# Clipboard, clicked where it then shows, answers with its notice).
# Usage: window_manager.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: window_manager.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
[ -x "$program" ] || program=$(command -v tallowmere) || { echo "FAIL: $bin/tallowmere is missing" >&2; exit 1; }
for tool in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (tools/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
app_pid=""
stop() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  app_pid="" wm_pid="" xvfb_pid=""
}
cleanup() {
  stop
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; cat "$work/app.log" >&2; }
  [ -s "$work/wm.log" ] && { echo "--- window manager output:" >&2; cat "$work/wm.log" >&2; }
  exit 1
}

mkdir -p "$work/home" "$work/config" "$work/wm-config" "$work/runtime"
chmod 700 "$work/runtime"

# A display of its own with openbox managing it (its own settings: none, so
# the packaged defaults), up before the program starts.
start_session() {  # WIDTHxHEIGHT
  start_display "$1"
  HOME="$work/home" XDG_CONFIG_HOME="$work/wm-config" openbox >"$work/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$wm_pid" 2>/dev/null || fail "openbox did not start"
    sleep 0.1
  done
  fail "openbox did not take the display within 10 s"
}

start_program() {
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="default.warning=false" \
    "$program" >"$work/app.log" 2>&1 &
  app_pid=$!
}

# The program's window once the window manager has framed it and it has
# stopped moving (the program places it again when the frame comes, and may
# put its content into a scrolling window of its own): sets window, x, y, w,
# h (the window's inside, on the screen) and the frame's left, right, top
# and bottom.
settled_window() {
  local last="" now="" same=0
  for _ in $(seq 150); do
    window=$(windows Tallowmere | tail -n1)
    if [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
      now="$window $(xwininfo -id "$window" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | tr '\n' ' ')"
      now="$now $(xprop -id "$window" _NET_FRAME_EXTENTS)"
      if [ "$now" = "$last" ]; then
        same=$((same + 1))
        if [ "$same" -ge 5 ]; then
          read -r window x y w h <<<"${now%% _NET*}"
          IFS=', ' read -r left right top bottom <<<"${now##*= }"
          return 0
        fi
      else
        same=0 last=$now
      fi
    fi
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended unexpectedly"
    sleep 0.2
  done
  fail "no framed window titled Tallowmere that kept still within 30 s (last seen: ${now:-none})"
}

# --- A large screen: as the program places it, centred and unscrolled.
start_session 1280x1024
start_program
settled_window
what="1280x1024: inside ${w}x${h} at $x,$y, frame $left,$right,$top,$bottom"
bar=$((h - 638))
[ "$w" = 536 ] && [ "$bar" -ge 10 ] && [ "$bar" -le 60 ] ||
  fail "$what: expected 536 x 638 below a menu bar, without a scroll bar"
# Centred as if it had no frame: its outer corner where the inside's
# centred corner would be.
ox=$((x - left)) oy=$((y - top))
dx=$((ox - (1280 - w) / 2)) dy=$((oy - (1024 - h) / 2))
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || fail "$what: not centred (off by $dx,$dy)"
echo "PASS: $what, centred and unscrolled"
stop

# --- A screen lower than the window with its frame.
start_session 1280x650
start_program
settled_window
what="1280x650: inside ${w}x${h} at $x,$y, frame $left,$right,$top,$bottom"
ox=$((x - left)) oy=$((y - top)) ow=$((w + left + right)) oh=$((h + top + bottom))
[ "$top" -gt 0 ] || fail "$what: the window manager drew no title bar, so the test proves nothing"
[ "$ox" -ge 0 ] && [ "$oy" -ge 0 ] || fail "$what: its frame's top-left is off the screen"
[ $((ox + ow)) -le 1280 ] && [ $((oy + oh)) -le 650 ] ||
  fail "$what: it reaches past the screen, to $((ox + ow)),$((oy + oh)): its bottom buttons are off it"
[ "$w" -gt 536 ] || fail "$what: no room for a scroll bar beside the content"

# The content's top rows as on the large screen (scrolled to its top), then
# Tab from Start Analysis to the last button brings the bottom into view:
# Copy Results To Clipboard stands 21 pixels above the window's bottom edge.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click 400 $((181 + bar))  # Load Sample/Example Numbers
click 268 $((292 + bar))  # Start Analysis
for _ in $(seq 5); do xdotool key Tab; sleep 0.05; done
sleep 0.4
[ $((y + h - 21)) -lt 650 ] || fail "$what: Copy Results To Clipboard would be off the screen"
click 136 $((h - 21))  # Copy Results To Clipboard, with nothing ticked
for _ in $(seq 50); do
  [ "$(windows Tallowmere | wc -l)" -ge 2 ] && break
  sleep 0.1
done
[ "$(windows Tallowmere | wc -l)" -ge 2 ] ||
  fail "$what: Copy Results To Clipboard, clicked where the bottom row shows, gave no notice"
echo "PASS: $what, on the screen; it scrolls, and its bottom buttons show and work"
stop
exit 0
