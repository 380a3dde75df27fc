#!/usr/bin/env bash
# The distribution window on a real X display: Ctrl+D before any analysis
# offers one, Enter (Yes) runs it and opens "Distribution — Tallowmere", and
# Ctrl+C there puts the picture on the X clipboard as a PNG image that other
# programs read (xclip), showing the histogram's bars.
# Usage: distribution.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: distribution.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
[ -x "$program" ] || { echo "FAIL: $program is missing" >&2; exit 1; }
for tool in Xvfb xdotool xclip convert; do
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

start_display 1600x1200
mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
printf '%s\n' 2 4 4 5 7 3 4.5 12 > "$work/numbers.txt"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="default.warning=false" \
  "$program" "$work/numbers.txt" >"$work/app.log" 2>&1 &
app_pid=$!

main=$(wait_for_window Tallowmere 200) || fail "no window titled Tallowmere within 20 s"
xdotool windowfocus --sync "$main"
xdotool key ctrl+d
# The question box carries the program's title too: the newest one is it.
for _ in $(seq 50); do [ "$(windows Tallowmere | wc -l)" -ge 2 ] && break; sleep 0.1; done
[ "$(windows Tallowmere | wc -l)" -ge 2 ] || fail "Ctrl+D before an analysis asked nothing"
xdotool windowfocus --sync "$(windows Tallowmere | tail -n1)"
xdotool key Return

distribution=$(wait_for_window 'Distribution — Tallowmere' 100) || fail "Yes opened no distribution window"
xdotool windowfocus --sync "$distribution"
sleep 0.3
xdotool key ctrl+c
for _ in $(seq 50); do
  xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png && break
  sleep 0.1
done
xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png || fail "the clipboard offers no image/png"
xclip -selection clipboard -t image/png -o >"$work/picture.png" || fail "xclip could not read the image"
size=$(convert "$work/picture.png" -format '%wx%h' info:) || fail "the clipboard's image/png is no PNG"
width=${size%x*}
height=${size#*x}
[ "$width" -ge 200 ] && [ "$height" -ge 150 ] || fail "the picture is only ${size}"
bars=$(convert "$work/picture.png" txt:- | grep -ci '#9EC3E6')
[ "$bars" -gt 100 ] || fail "the picture shows no bars (${bars} pixels of their colour)"
echo "PASS: Ctrl+D offered an analysis, the window opened, Ctrl+C gave a ${size} PNG with ${bars} bar pixels"
