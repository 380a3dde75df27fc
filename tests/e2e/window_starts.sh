#!/usr/bin/env bash
# The real program on a virtual display: its window appears, titled
# "Tallowmere", with a client area of 536 x 638 below its menu bar, and a first start
# writes no settings. With a FIFO in the settings file's place it still
# starts; picking options shows one notice and leaves the FIFO as it was.
# Usage: window_starts.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: window_starts.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
[ -x "$program" ] || { echo "FAIL: $program is missing" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; cat "$work/app.log" >&2; }
  exit 1
}

# A display of our own.
start_display

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="default.warning=false" \
  "$program" >"$work/app.log" 2>&1 &
app_pid=$!

window=$(wait_for_window Tallowmere 200) || fail "no visible window titled Tallowmere within 20 s"

eval "$(xdotool getwindowgeometry --shell "$window")"
# The content's 536 x 638 below the menu bar.
bar=$((${HEIGHT:-0} - 638))
[ "${WIDTH:-}" = 536 ] && [ "$bar" -ge 10 ] && [ "$bar" -le 60 ] ||
  fail "window is ${WIDTH:-?}x${HEIGHT:-?}, expected 536 x 638 below a menu bar"

# Nothing differs from the default options on a first start: nothing stored.
[ ! -e "$work/config/Brindlecote.ini" ] || fail "a first start wrote settings: $(cat "$work/config/Brindlecote.ini")"

echo "PASS: window $window titled Tallowmere, ${WIDTH}x${HEIGHT} on $DISPLAY"

kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null
app_pid=""
for _ in $(seq 50); do [ -z "$(windows Tallowmere)" ] && break; sleep 0.1; done

# A FIFO nobody writes to: a store that opened it would wait for ever.
rm -f "$work/config/Brindlecote.ini"
mkfifo "$work/config/Brindlecote.ini"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="default.warning=false" \
  "$program" >"$work/app.log" 2>&1 &
app_pid=$!
window=$(wait_for_window Tallowmere 200) || fail "no window within 20 s with a FIFO as the settings file"
boxes() { windows Tallowmere | grep -vx "$window"; }
click() {
  xdotool windowfocus --sync "$window" 2>/dev/null || fail "could not focus the main window"
  xdotool mousemove --window "$window" "$1" $(($2 + $(content_top "$window"))) click 1
  sleep 0.3
}
click 40 251  # Population
for _ in $(seq 50); do [ -n "$(boxes)" ] && break; sleep 0.1; done
[ "$(boxes | wc -l)" = 1 ] || fail "picking Population showed $(boxes | wc -l) boxes, expected one notice"
box=$(boxes)
xdotool windowfocus --sync "$box" 2>/dev/null && xdotool key Return
for _ in $(seq 50); do [ -z "$(boxes)" ] && break; sleep 0.1; done
[ -z "$(boxes)" ] || fail "the notice did not close on Return"
click 40 228  # Sample: not told again
sleep 1
[ -z "$(boxes)" ] || fail "a second notice appeared"
[ -p "$work/config/Brindlecote.ini" ] || fail "the FIFO was replaced: $(ls -l "$work/config")"
echo "PASS: with a FIFO as the settings file the window started, one notice, the FIFO kept"
