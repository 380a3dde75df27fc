#!/usr/bin/env bash
# The INSTALLED program, as a user of the package gets it: installed into a
# fresh prefix that is then moved elsewhere (the tree must not depend on where
# it was installed), started on a virtual display of its own with a list file
# named on its command line (relative to the current folder, as a file
# manager's "Open With" or a shell gives it).
#   1. Its hand pointer comes from share/tallowmere: a broken one put there
#      brings the error report of the start-up step that loads it
#      (Form_Load, at line 106).
#   2. With the real one, no report; the list file's numbers are in the list:
#      "Start Analysis", two rows ticked and copied give exactly the rows of
#      the installed analyser on the same file.
# Usage: installed.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: installed.sh BUILD_BIN_DIR}
build=$(cd "$bin/.." && pwd)
for tool in Xvfb xdotool xclip cmake; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
stop_app() {
  [ -n "$app_pid" ] && { kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; }
  app_pid=""
}
cleanup() {
  stop_app
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; cat "$work/app.log" >&2; }
  exit 1
}

cmake --install "$build" --prefix "$work/staged" >"$work/install.log" 2>&1 || fail "install: $(cat "$work/install.log")"
mv "$work/staged" "$work/prefix"
prefix="$work/prefix"
[ -x "$prefix/bin/tallowmere" ] || fail "no bin/tallowmere in the prefix"
[ ! -e "$prefix/bin/HAND-M.CUR" ] || fail "the hand pointer was installed beside the program"
cp "$prefix/share/tallowmere/HAND-M.CUR" "$work/HAND-M.CUR.good"

mkdir -p "$work/data" "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
printf '12.5\n7\n-3\n7\n100\n' >"$work/data/list file.txt"

start_display

start_installed() {
  (cd "$work/data" && exec env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="default.warning=false" \
    "$prefix/bin/tallowmere" "list file.txt") >"$work/app.log" 2>&1 &
  app_pid=$!
}

# --- 1. A broken hand pointer in share/tallowmere is reported: it was looked for there.
head -c 300 /dev/urandom >"$prefix/share/tallowmere/HAND-M.CUR"
start_installed
wait_for_window 'Application Error' 200 >/dev/null ||
  fail "no error report for a broken share/tallowmere/HAND-M.CUR within 20 s"
echo "PASS: the installed program reads its hand pointer from share/tallowmere"
stop_app

# --- 2. The real pointer: no report, and the list file's numbers in the window.
cp "$work/HAND-M.CUR.good" "$prefix/share/tallowmere/HAND-M.CUR"
start_installed
window=$(wait_for_window Tallowmere 200) || fail "no visible window titled Tallowmere within 20 s"
sleep 1
[ -z "$(windows 'Application Error')" ] || fail "an error report appeared at start-up"
xdotool windowfocus --sync "$window" 2>/dev/null

click() { xdotool mousemove --window "$window" "$1" $(($2 + $(content_top "$window"))) click 1; sleep 0.3; }
row_y() { echo $((340 + 17 * ($1 - 1))); }  # the results list's row N (from 1)
click 268 292          # Start Analysis
click 19 "$(row_y 1)"  # the count
click 19 "$(row_y 2)"  # the sum
click 136 617          # Copy Results To Clipboard
box=""
for _ in $(seq 100); do
  mapfile -t open < <(windows Tallowmere)
  ((${#open[@]} >= 2)) && { box=${open[-1]}; break; }
  sleep 0.1
done
[ -n "$box" ] || fail "no notice appeared after Copy Results To Clipboard"

mapfile -t lines < <(LC_ALL=C "$prefix/bin/tallowmere-analyse" "$work/data/list file.txt")
((${#lines[@]} == 12)) || fail "the installed analyser gave ${#lines[@]} lines instead of 12"
printf '%s\r\n' "${lines[0]}" "${lines[1]}" >"$work/expected.clip"
xclip -o -selection clipboard >"$work/got.clip" 2>/dev/null
cmp -s "$work/expected.clip" "$work/got.clip" || {
  echo "--- expected:" >&2; od -c "$work/expected.clip" >&2
  echo "--- clipboard:" >&2; od -c "$work/got.clip" >&2
  fail "the copied rows are not those of the list file given on the command line"
}
echo "PASS: the list file named on the command line was read: $(tr -d '\r' <"$work/got.clip" | paste -sd'|')"
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
