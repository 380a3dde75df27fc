#!/usr/bin/env bash
# A user's whole session with the real program on a virtual display of its
# own, driven through the keyboard and the mouse only:
#   1. type "2, 4, 4, 5" into the "Add Number / Numbers" prompt;
#   2. "Start Analysis", tick all twelve result rows, "Copy Results To
#      Clipboard": the clipboard holds the twelve lines, CR LF after each,
#      and the notice closes on Return;
#   3. "Save Results As Text File" through the real save dialog: the file
#      holds the padded header and the twelve padded rows;
#   4. "Clear List", then two list files through the real open dialog: the
#      analysis counts and sums exactly their numbers;
#   5. a screenshot: the window is 536 x 638 and not blank;
#   6. "Population" and "Show all decimals": the settings file says so;
#   7. the program is ended and started again: both options come back, and a
#      new analysis gives population values rounded to ten decimals;
#   8. a fresh start driven by Tab, arrows, Space and Enter alone: numbers
#      typed into the prompt, "Start Analysis", three rows ticked, "Save
#      Results As Text File" through the real save dialog and "Copy Results
#      To Clipboard": the file and the clipboard hold the ticked rows;
#   9. under GNOME's dark style (the GTK platform theme): the prompt is dark,
#      so the theme took effect, while the captions on the window's white,
#      "Sample" and "Population" among them, read at 4.5:1 or more on a
#      screenshot;
#  10. 9,000 comma-separated numbers pasted from the real clipboard into the
#      prompt with Ctrl+V: the analysis counts 9000 entries and their sum.
# Expected lines are written out here, worked by hand, not taken from the
# program. The whole run is bounded by a watchdog; every process started here
# is ended by its id. Usage: user_session.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: user_session.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
[ -x "$program" ] || { echo "FAIL: $program is missing" >&2; exit 1; }
for tool in Xvfb xdotool xclip import convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

overall_limit=${USER_SESSION_LIMIT:-180}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
watchdog_pid=""
xclip_pid=""
step_name="start-up"
steps_passed=0
steps_total=10

stop_pid() {  # pid: TERM, then KILL if it lingers
  local pid=$1
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 30); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}
cleanup() {
  [ -n "$watchdog_pid" ] && { kill "$watchdog_pid" 2>/dev/null; wait "$watchdog_pid" 2>/dev/null; }
  stop_pid "$xclip_pid"
  stop_pid "$app_pid"
  stop_pid "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL [step: $step_name]: $*" >&2
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; cat "$work/app.log" >&2; }
  echo "steps passed: $steps_passed of $steps_total" >&2
  exit 1
}

# The saved text file: the header and the LINES, padded to $width, TAB CR LF.
check_saved() {  # FILE WHAT LINES...
  local file=$1 what=$2 line
  shift 2
  {
    printf '%-*s\t\r\n' "$width" "Result(s)"
    for line in "$@"; do printf '%-*s\t\r\n' "$width" "$line"; done
  } >"$work/expected.txt"
  cmp -s "$work/expected.txt" "$file" || {
    echo "--- expected:" >&2; od -c "$work/expected.txt" >&2
    echo "--- file:" >&2; od -c "$file" >&2 2>/dev/null
    fail "the text file does not hold the header and $what"
  }
}

step() { step_name=$1; echo "--- step: $1"; }
passed() { steps_passed=$((steps_passed + 1)); echo "PASS [step: $step_name] $*"; }

# --- A display and a private home.
start_display

trap 'fail "the whole session took longer than ${overall_limit} s"' USR1
# The watchdog ends a hung run: it tells this script to fail, and if a
# blocked xdotool or xclip keeps the script from hearing it, it ends the
# display, which ends them.
(
  trap 'kill "$nap" 2>/dev/null; exit 0' TERM
  sleep "$overall_limit" &
  nap=$!
  wait "$nap"
  kill -USR1 $$ 2>/dev/null
  sleep 2
  kill "$xvfb_pid" 2>/dev/null
) >/dev/null 2>&1 &
watchdog_pid=$!

mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/out" "$work/lists"
chmod 700 "$work/runtime"
settings="$work/config/Brindlecote.ini"

start_program() {  # extra VAR=value settings for the program's environment
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="default.warning=false" \
    env "$@" "$program" >>"$work/app.log" 2>&1 &
  app_pid=$!
  window=$(wait_for_window Tallowmere 200) || fail "no visible window titled Tallowmere within 20 s"
  focus_main
}

# A second window titled Tallowmere: the prompt or a notice (they carry the
# application title as their caption).
wait_for_box() {  # tenths of a second; prints the box's window
  local id
  for _ in $(seq "$1"); do
    kill -0 "$app_pid" 2>/dev/null || { app_pid=""; fail "the program ended unexpectedly"; }
    [ -n "$(windows 'Application Error')" ] && fail "an error report appeared"
    for id in $(windows Tallowmere); do
      [ "$id" != "$window" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
wait_until_only_main() {  # tenths of a second
  for _ in $(seq "$1"); do
    (($(windows Tallowmere | wc -l) == 1)) && return 0
    sleep 0.1
  done
  return 1
}
wait_gone() {  # title, tenths of a second
  for _ in $(seq "$2"); do
    [ -z "$(windows "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}
# Without a window manager the focus falls back to the root window whenever
# a dialog closes: give it back before every keystroke and click.
focus_main() { xdotool windowfocus --sync "$window" 2>/dev/null || fail "could not focus the main window"; }
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || fail "could not focus window $1"; }
click() { xdotool mousemove --window "$window" "$1" $(($2 + $(content_top "$window"))) click 1; sleep 0.3; }
keys() { xdotool key --delay 40 "$@"; sleep 0.2; }  # to whatever has the focus
restart_program() {  # extra VAR=value settings; the settings start afresh
  stop_pid "$app_pid"
  app_pid=""
  wait_gone Tallowmere 50 || fail "the window stayed after the program ended"
  rm -f "$settings"
  start_program "$@"
}

# Places in the window (pixels; the inventory's twips at 96 dpi: see
# docs/compatibility.md, The window's geometry).
row_y() { echo $((340 + 17 * ($1 - 1))); }  # the results list's row N (from 1)
add_numbers() { click 136 147; }
load_files() { click 400 147; }
clear_numbers() { click 136 181; }
start_analysis() { click 268 292; }
pick_population() { click 40 251; }
tick_show_all() { click 300 254; }
save_text() { click 136 583; }
copy_results() { click 136 617; }

type_numbers() {  # text typed into the "Add Number / Numbers" prompt
  focus_main
  add_numbers
  local box
  box=$(wait_for_box 100) || fail "no prompt appeared after Add Number / Numbers"
  focus "$box"
  sleep 0.2
  xdotool type --delay 5 -- "$1"
  sleep 0.2
  xdotool key Return
  wait_until_only_main 50 || fail "the prompt did not close on Return"
  focus_main
}
tick_rows() {  # rows 1..N by their check boxes
  local n
  for n in $(seq "$1"); do click 19 "$(row_y "$n")"; done
}
copy_and_compare() {  # expected clipboard file, what it should hold
  focus_main
  copy_results
  local box
  box=$(wait_for_box 100) || fail "no notice appeared after Copy Results To Clipboard"
  xclip -o -selection clipboard >"$work/got.clip" 2>/dev/null
  cmp -s "$1" "$work/got.clip" || {
    echo "--- expected:" >&2; od -c "$1" >&2
    echo "--- clipboard:" >&2; od -c "$work/got.clip" >&2
    fail "the clipboard does not hold $2"
  }
  focus "$box"
  xdotool key Return
  wait_until_only_main 50 || fail "the clipboard notice did not close on Return"
  focus_main
}
crlf() { printf '%s\r\n' "$@"; }

# The twelve lines for 2, 4, 4, 5 as a sample with three decimals:
# mean 15/4; squared deviations 3.0625 + 0.0625 + 0.0625 + 1.5625 = 4.75, so
# the variance is 4.75/3 = 1.58333...; its root 1.2583057...; the cubed
# deviations sum to -3.375, the skew is 4/(3*2) * -3.375 / 1.2583057^3 =
# -1.1293...; mean absolute deviation 3.5/4; coefficient 1.2583057/3.75.
sample_lines=(
  "The number of entries is: 4"
  "The sum of the numbers are: 15"
  "The sum squared is: 225"
  "The sum of squares is: 61"
  "The mode is: 4"
  "The median is: 4"
  "The mean is: 3.75"
  "The variance is: 1.583"
  "The skew is: -1.129"
  "The average deviation is: 0.875"
  "The standard deviation is: 1.258"
  "The coefficient of variation is: 33.555 %"
)

# --- 1. Typed numbers.
step "type numbers"
start_program
type_numbers "2, 4, 4, 5"
passed "typed 2, 4, 4, 5 into the prompt"

# --- 2. Analysis and the clipboard.
step "analyse and copy"
start_analysis
tick_rows 12
crlf "${sample_lines[@]}" >"$work/expected.clip"
copy_and_compare "$work/expected.clip" "the twelve result lines"
passed "clipboard holds the twelve lines, $(wc -c <"$work/expected.clip") bytes"

# --- 3. The text file through the real save dialog.
step "save text file"
save_text
dialog=$(wait_for_window Save 100) || fail "no save dialog titled Save within 10 s"
focus "$dialog"
sleep 0.5
saved="$work/out/session results.txt"
xdotool type --delay 5 -- "$saved"
sleep 0.2
xdotool key Return
wait_gone Save 100 || fail "the save dialog did not close"
for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.1; done
width=9
for line in "${sample_lines[@]}"; do ((${#line} > width)) && width=${#line}; done
check_saved "$saved" "the twelve rows" "${sample_lines[@]}"
focus_main
passed "text file holds the header and the twelve rows, $(wc -c <"$saved") bytes"

# --- 4. Two list files through the real open dialog.
step "load two list files"
printf '1\r\n2\r\n' >"$work/lists/a.txt"
printf '30\nnot a number\n\n100\r' >"$work/lists/b.txt"
printf '999\n' >"$work/lists/c.txt"  # in the folder, not chosen
clear_numbers
load_files
title='Load List(s) - Hold Ctrl to select multiple list files'
dialog=$(wait_for_window "$(printf '%s' "$title" | sed 's/[][()|.*+?^$\\]/\\&/g')" 100) ||
  fail "no open dialog titled '$title' within 10 s"
focus "$dialog"
sleep 0.5
# Into the folder first, then the two names as the dialog lists them.
xdotool type --delay 5 -- "$work/lists/"
sleep 0.2
xdotool key Return
sleep 0.5
[ -n "$(windows "$(printf '%s' "$title" | sed 's/[][()|.*+?^$\\]/\\&/g')")" ] ||
  fail "the open dialog closed on a folder name"
focus "$dialog"
xdotool key ctrl+a
xdotool type --delay 5 -- '"a.txt" "b.txt"'
sleep 0.2
xdotool key Return
wait_gone "$(printf '%s' "$title" | sed 's/[][()|.*+?^$\\]/\\&/g')" 100 || fail "the open dialog did not close"
wait_until_only_main 20 || fail "a message appeared after loading (File not found?)"
focus_main
start_analysis
tick_rows 2
crlf "The number of entries is: 4" "The sum of the numbers are: 133" >"$work/expected.clip"
copy_and_compare "$work/expected.clip" "the count and sum of 1, 2, 30 and 100"
passed "a.txt and b.txt gave the entries 1, 2, 30, 100"

# --- 5. The window as shown.
step "screenshot"
import -window "$window" "$work/shot.png" 2>/dev/null || fail "no screenshot of window $window"
size=$(identify -format '%wx%h' "$work/shot.png" 2>/dev/null)
[ "$size" = "536x$((638 + $(content_top "$window")))" ] || fail "the screenshot is $size, expected 536 x 638 below the menu bar"
spread=$(convert "$work/shot.png" -colorspace Gray -format '%[fx:standard_deviation]' info: 2>/dev/null)
colours=$(convert "$work/shot.png" -format '%k' info: 2>/dev/null)
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "the window looks blank (grey spread $spread)"
((colours >= 8)) || fail "the window shows only $colours colours"
passed "window $size, grey spread $spread, $colours colours"

# --- 6. Options, stored as they change.
step "pick options"
focus_main
pick_population
tick_show_all
for _ in $(seq 30); do grep -q '^Check1=1' "$settings" 2>/dev/null && break; sleep 0.1; done
[ -f "$settings" ] || fail "no settings file at $settings"
for want in 'Option1=False' 'Option2=True' 'Check1=1' 'Combo1=10'; do
  grep -qx "$want" <(tr -d '\r' <"$settings") || fail "the settings file lacks $want: $(cat "$settings")"
done
passed "settings hold Population, Show all decimals and 10 places"

# --- 7. A new start restores both options.
step "restart"
# Nothing is written at exit, so ending the program hard must lose nothing.
stop_pid "$app_pid"
app_pid=""
wait_gone Tallowmere 50 || fail "the window stayed after the program ended"
start_program
type_numbers "2, 4, 4, 5"
start_analysis
tick_rows 12
# Population: divide by n. Variance 4.75/4 = 1.1875, its root 1.08972473588517;
# the skew keeps the factor 4/(3*2) with the population root: -3.375 /
# 1.0897247359^3 * 2/3 = -1.73872977249; coefficient of variation
# 1.08972473588517/3.75 = 29.0593262903 %. All decimals: rounded to ten
# places, no trailing zeros.
population_lines=(
  "${sample_lines[@]:0:7}"
  "The variance is: 1.1875"
  "The skew is: -1.7387297725"
  "The average deviation is: 0.875"
  "The standard deviation is: 1.0897247359"
  "The coefficient of variation is: 29.0593262903 %"
)
crlf "${population_lines[@]}" >"$work/expected.clip"
copy_and_compare "$work/expected.clip" "population values with ten decimals"
passed "after a restart: Population and all decimals are back"

# --- 8. The keyboard alone: Tab, arrows, Space and Enter.
step "keyboard only"
restart_program
# The number list has the focus at the start; the tab order goes on in
# reading order: "Add Number / Numbers", "Load Numbers From File", "Clear
# List", the sample button, the selected method, the decimal places, "Show
# all decimals", "Start Analysis", the results, "Save Results As Text File",
# ...
keys Tab
keys space
box=$(wait_for_box 100) || fail "Space on Add Number / Numbers opened no prompt"
focus "$box"
sleep 0.2
xdotool type --delay 5 -- "2, 4, 4, 5"
keys Return
wait_until_only_main 50 || fail "the prompt did not close on Return"
focus_main
keys Tab Tab Tab Tab Tab Tab Tab
keys Return
keys Tab
# Coming in, the first row is the current one: tick it, skip one, tick two.
keys space Down Down space Down space
ticked_lines=("${sample_lines[0]}" "${sample_lines[2]}" "${sample_lines[3]}")
keys Tab
keys Return
dialog=$(wait_for_window Save 100) || fail "Enter on Save Results As Text File opened no save dialog"
focus "$dialog"
sleep 0.5
kb_saved="$work/out/keyboard results.txt"
xdotool type --delay 5 -- "$kb_saved"
keys Return
wait_gone Save 100 || fail "the save dialog did not close on Return"
for _ in $(seq 50); do [ -s "$kb_saved" ] && break; sleep 0.1; done
# The column is as wide as the widest row, ticked or not.
check_saved "$kb_saved" "the three ticked rows" "${ticked_lines[@]}"
focus_main
# By the Excel button.
keys Tab Tab
keys space
box=$(wait_for_box 100) || fail "Space on Copy Results To Clipboard showed no notice"
xclip -o -selection clipboard >"$work/got.clip" 2>/dev/null
crlf "${ticked_lines[@]}" >"$work/expected.clip"
cmp -s "$work/expected.clip" "$work/got.clip" || {
  echo "--- expected:" >&2; od -c "$work/expected.clip" >&2
  echo "--- clipboard:" >&2; od -c "$work/got.clip" >&2
  fail "the clipboard does not hold the three ticked rows"
}
focus "$box"
keys Return
wait_until_only_main 50 || fail "the clipboard notice did not close on Return"
passed "typed, analysed, ticked 3 rows, saved $(wc -c <"$kb_saved") bytes and copied $(wc -c <"$work/got.clip") bytes"

# --- 9. GNOME's dark style.
step "dark theme"
theme_plugin=$(ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so /usr/lib/qt6/plugins/platformthemes/libqgtk3.so \
  2>/dev/null | head -n1)
[ -n "$theme_plugin" ] ||
  fail "Qt's GTK platform theme is missing (package qt6-gtk-platformtheme): GNOME's dark style cannot be tried"
restart_program QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
# The prompt keeps the theme's own colours: dark, or the theme never applied.
keys Tab
keys space
box=$(wait_for_box 100) || fail "no prompt appeared under the dark theme"
import -window "$box" "$work/dark-prompt.png" 2>/dev/null || fail "no screenshot of the prompt"
prompt_grey=$(convert "$work/dark-prompt.png" -colorspace Gray -format '%[fx:mean]' info: 2>/dev/null)
awk -v g="$prompt_grey" 'BEGIN { exit !(g < 0.4) }' ||
  fail "the prompt is not dark (mean grey $prompt_grey): the dark theme did not take effect"
focus "$box"
keys Escape
wait_until_only_main 50 || fail "the prompt did not close on Escape"
focus_main
import -window "$window" "$work/dark.png" 2>/dev/null || fail "no screenshot of window $window"
# The captions' boxes right of their option buttons' circles (96 dpi layout,
# below the menu bar).
figures=""
top=$(content_top "$window")
for caption in "Sample 69x16+42+220" "Population 93x15+42+243" "Method 60x16+8+200" "Decimal_places: 94x17+288+220"; do
  set -- $caption
  box="${2%+*}+$((${2##*+} + top))"
  ratio=$(python3 "$(dirname "$0")/lib/contrast.py" "$work/dark.png" "$box") || fail "could not measure $1"
  awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' || fail "'${1//_/ }' reads at only $ratio:1 under the dark theme"
  figures="$figures ${1//_/ } $ratio:1,"
done
passed "dark prompt (mean grey $prompt_grey); captions:${figures%,}"

# --- 10. A long series pasted from the clipboard.
step "paste 9000 numbers"
seq -s, 1 9000 | tr -d '\n' >"$work/pasted.txt"
xclip -selection clipboard -quiet -i "$work/pasted.txt" >/dev/null 2>&1 &
xclip_pid=$!
for _ in $(seq 30); do
  [ "$(xclip -o -selection clipboard 2>/dev/null | head -c 8)" = "1,2,3,4," ] && break
  sleep 0.1
done
focus_main
keys space  # the focus is still on "Add Number / Numbers"
box=$(wait_for_box 100) || fail "no prompt appeared for the paste"
focus "$box"
sleep 0.2
keys ctrl+v
keys Return
wait_until_only_main 100 || fail "the prompt did not close after the paste"
focus_main
keys Tab Tab Tab Tab Tab Tab Tab
keys Return
keys Tab
keys space Down space
keys Tab Tab Tab
keys space
box=$(wait_for_box 100) || fail "no notice after Copy Results To Clipboard"
xclip -o -selection clipboard >"$work/got.clip" 2>/dev/null
# 1 + 2 + ... + 9000 = 9000 * 9001 / 2.
crlf "The number of entries is: 9000" "The sum of the numbers are: 40504500" >"$work/expected.clip"
cmp -s "$work/expected.clip" "$work/got.clip" || {
  echo "--- expected:" >&2; od -c "$work/expected.clip" >&2
  echo "--- clipboard:" >&2; od -c "$work/got.clip" | head -20 >&2
  fail "the analysis of the pasted series does not count 9000 entries summing to 40504500"
}
focus "$box"
keys Return
wait_until_only_main 50 || fail "the clipboard notice did not close on Return"
passed "pasted $(wc -c <"$work/pasted.txt") bytes: 9000 entries"

echo "steps passed: $steps_passed of $steps_total"
((steps_passed == steps_total)) || exit 1
