#!/usr/bin/env bash
# The window through a screen reader's eyes: on a display and an AT-SPI bus of
# its own, accessibility.py drives the program through AT-SPI alone (load the
# sample, analyse, tick every row, copy) and checks the roles, names, states
# and the events a reader speaks from.
# Usage: accessibility.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: accessibility.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
driver="$(cd "$(dirname "$0")" && pwd)/accessibility.py"
[ -x "$program" ] || { echo "FAIL: $program is missing" >&2; exit 1; }
# Debian's python3 has pyatspi; another one on the PATH may not.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: pyatspi is not installed (python3-pyatspi)"
  exit 77
fi
for tool in Xvfb xclip xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "FAIL: $launcher is missing (at-spi2-core)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; cat "$work/app.log" >&2; }
  exit 1
}

start_display 1280x1024
mkdir -p "$work/home" "$work/config" "$work/state" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
export program python driver work

# The session bus, the accessibility bus and the program end with the
# session's shell: each is ended by its id there. The driver's listeners are
# registered before the program starts: a program learns of the listeners as
# it joins the bus, and one that joins while they are being registered may
# send its first events to nobody (as happened on a loaded machine).
export ready="$work/listening"
timeout 90 dbus-run-session -- bash -c '
  "'"$launcher"'" --launch-immediately >"$work/atspi.log" 2>&1 &
  bus_pid=$!
  "$python" "$driver" &
  driver_pid=$!
  for _ in $(seq 300); do [ -e "$ready" ] && break; kill -0 "$driver_pid" 2>/dev/null || break; sleep 0.1; done
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb LANGUAGE=en LANG=C.UTF-8 \
    "$program" >"$work/app.log" 2>&1 &
  app_pid=$!
  wait "$driver_pid"
  status=$?
  kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null
  kill "$bus_pid" 2>/dev/null; wait "$bus_pid" 2>/dev/null
  exit $status
'
status=$?
# Qt warns of a child it cannot make when an event names a row by a number
# the list does not have.
if grep -q '^qt\.accessibility' "$work/app.log"; then
  fail "the program warned of its accessibility: $(grep -m3 '^qt\.accessibility' "$work/app.log")"
fi
case $status in
  0) echo "PASS: accessibility.py passed, and the program warned nothing of its accessibility"; exit 0 ;;
  77) exit 77 ;;
  124) fail "the AT-SPI session did not finish within 90 s" ;;
  *) fail "accessibility.py found faults (status $status)" ;;
esac
