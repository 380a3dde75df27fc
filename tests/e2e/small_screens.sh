#!/usr/bin/env bash
# The real program on screens too small for its window at the scale given:
# 1600 x 1200 at QT_SCALE_FACTOR=2 and 1366 x 768 at 1.25 (a laptop). The
# window, frame and all, stands on the screen; its content scrolls, and Tab
# from the number list to the last button scrolls that button into view (the
# scroll bar's thumb goes from the top of its track to the bottom). On a
# large screen at scale 2 the window is the content's own size: 536 x 638
# scaled (and the menu bar over it), centred, without a scroll bar.
# Usage: small_screens.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: small_screens.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
[ -x "$program" ] || { echo "FAIL: $program is missing" >&2; exit 1; }
for tool in Xvfb xdotool xwininfo import convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (tools/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
stop() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  app_pid="" xvfb_pid=""
}
cleanup() {
  stop
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; cat "$work/app.log" >&2; }
  exit 1
}

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"

pixel() {  # x y: the colour of the screen's pixel there
  import -window root "$work/shot.png" 2>/dev/null
  convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info: 2>/dev/null
}

# From the number list, 13 Tabs reach the last button: the option button
# that is not selected is passed over.
for case in "1600x1200 2" "1366x768 1.25" "2560x2048 2"; do
  set -- $case
  screen=$1 scale=$2
  sw=${screen%x*} sh=${screen#*x}
  start_display "$screen"
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale QT_LOGGING_RULES="default.warning=false" \
    "$program" >"$work/app.log" 2>&1 &
  app_pid=$!
  window=$(wait_for_window Tallowmere 200) || fail "$screen at $scale: no window titled Tallowmere within 20 s"
  sleep 0.5  # placed again once the window is up
  info=$(xwininfo -id "$window")
  get() { printf '%s\n' "$info" | sed -n "s/^ *$1: *//p"; }
  x=$(get 'Absolute upper-left X') y=$(get 'Absolute upper-left Y') w=$(get Width) h=$(get Height)
  what="$screen at $scale: window ${w}x${h} at $x,$y"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] || fail "$what: its top-left is off the screen"
  [ $((x + w)) -le "$sw" ] && [ $((y + h)) -le "$sh" ] || fail "$what: it reaches past the screen"
  content_w=$(awk -v s="$scale" 'BEGIN { printf "%d", 536 * s + 0.5 }')
  content_h=$(awk -v s="$scale" 'BEGIN { printf "%d", 638 * s + 0.5 }')
  # The menu bar over the content takes what the style needs.
  most_h=$(awk -v s="$scale" 'BEGIN { printf "%d", (638 + 60) * s + 0.5 }')

  if [ "$sh" -ge "$most_h" ]; then
    [ "$w" = "$content_w" ] && [ "$h" -gt "$content_h" ] && [ "$h" -le "$most_h" ] ||
      fail "$what: expected the content's ${content_w}x${content_h} below a menu bar"
    [ "$x" -eq $(((sw - content_w) / 2)) ] || fail "$what: not centred across"
    echo "PASS: $what, the content at its own size"
    stop
    continue
  fi

  # The scroll bar stands right of the content: sample its track just below
  # its up arrow and just above its down arrow.
  bar=$((w - content_w))
  [ "$bar" -gt 4 ] || fail "$what: no room for a scroll bar beside the content"
  [ "$h" -eq "$sh" ] || fail "$what: expected the screen's height"
  bx=$((x + w - bar / 2)) top=$((y + bar + 3)) bottom=$((y + h - bar - 4))
  top0=$(pixel $bx $top) bottom0=$(pixel $bx $bottom)
  [ "$top0" != "$bottom0" ] || fail "$what: the scroll bar's thumb does not show where it stands ($top0)"

  xdotool windowfocus --sync "$window" || fail "$what: cannot focus the window"
  for _ in $(seq 13); do xdotool key Tab; sleep 0.05; done
  sleep 0.4
  top1=$(pixel $bx $top) bottom1=$(pixel $bx $bottom)
  [ "$top1" = "$bottom0" ] && [ "$bottom1" = "$top0" ] ||
    fail "$what: Tab to the last button left the thumb where it was (top $top0 -> $top1, bottom $bottom0 -> $bottom1)"
  # One more Tab wraps round to the number list at the top.
  xdotool key Tab
  sleep 0.4
  [ "$(pixel $bx $top)" = "$top0" ] || fail "$what: Tab round to the number list did not scroll back up"
  echo "PASS: $what, scrolls; Tab scrolls to the last button and back to the top"
  stop
done
