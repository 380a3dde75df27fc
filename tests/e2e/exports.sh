#!/usr/bin/env bash
# The three exports in the real program on a virtual display of its own, as a
# user does them: load the sample numbers, start the analysis; with no row
# ticked yet each export only shows one notice (the clipboard keeps the text
# another program put there, no save dialog, no workbook); then tick three
# result rows (two by their check boxes, one with Space on the current row),
# then
#   - "Copy Results To Clipboard": the clipboard holds exactly the ticked
#     lines with CR LF, and the paste notice appears and is dismissed;
#   - "Save Results As Text File": the save dialog titled "Save" takes a typed
#     path and the file holds exactly the header line and the ticked lines;
#   - "Save Results As Excel File": LibreOffice Calc opens a window titled
#     "Untitled 1 - LibreOffice Calc" (skipped, with a message, when Calc is
#     not installed).
# Every process started here, LibreOffice's included, is ended by its id.
# Usage: exports.sh BUILD_BIN_DIR
set -uo pipefail
. "$(dirname "$0")/lib/display.sh"

bin=${1:?usage: exports.sh BUILD_BIN_DIR}
program="$bin/tallowmere"
analyse="$bin/tallowmere-analyse"
[ -x "$program" ] || { echo "FAIL: $program is missing" >&2; exit 1; }
[ -x "$analyse" ] || { echo "FAIL: $analyse is missing" >&2; exit 1; }
for tool in Xvfb xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
marker="TALLOWMERE_E2E_RUN=$work"
xvfb_pid=""
app_pid=""

# The processes that carry this run's marker in their environment: the
# program and everything it started, LibreOffice's detached processes too.
marked_pids() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" = "$$" ] && continue
    tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "$marker" && echo "$pid"
  done
}
end_pids() {
  local pids=("$@") pid
  ((${#pids[@]})) || return 0
  kill "${pids[@]}" 2>/dev/null
  for _ in $(seq 50); do
    local alive=0
    for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
    ((alive)) || return 0
    sleep 0.1
  done
  kill -9 "${pids[@]}" 2>/dev/null
}
cleanup() {
  mapfile -t started < <(marked_pids)
  end_pids "${started[@]}"
  [ -n "$app_pid" ] && { kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; cat "$work/app.log" >&2; }
  exit 1
}

# --- A display and a private home.
start_display

mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/tmp" "$work/out"
chmod 700 "$work/runtime"
# A LibreOffice profile that has been started before: no tip of the day, no
# first-run or what's-new notices in front of the new workbook.
mkdir -p "$work/config/libreoffice/4/user"
cat >"$work/config/libreoffice/4/user/registrymodifications.xcu" <<'XCU'
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="ShowTipOfTheDay" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="FirstRun" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse"><value>7.4</value></prop></item>
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="LastTimeDonateShown" oor:op="fuse"><value>9999999999</value></prop></item>
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="LastTimeGetInvolvedShown" oor:op="fuse"><value>9999999999</value></prop></item>
</oor:items>
XCU

env "$marker" HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  TMPDIR="$work/tmp" QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="default.warning=false" \
  "$program" >"$work/app.log" 2>&1 &
app_pid=$!

window=$(wait_for_window Tallowmere 200) || fail "no visible window titled Tallowmere within 20 s"
xdotool windowfocus --sync "$window" 2>/dev/null

# Places in the window (pixels; the inventory's twips at 96 dpi: see
# docs/compatibility.md, The window's geometry).
click() { xdotool mousemove --window "$window" "$1" $(($2 + $(content_top "$window"))) click 1; sleep 0.3; }
row_y() { echo $((340 + 17 * ($1 - 1))); }  # the results list's row N (from 1)
click 400 181  # Load Sample/Example Numbers
click 268 292  # Start Analysis

# The one notice the program shows now (its second window), or fail.
wait_for_notice() {  # what was pressed
  local open=()
  for _ in $(seq 100); do
    mapfile -t open < <(windows Tallowmere)
    ((${#open[@]} >= 2)) && { echo "${open[-1]}"; return 0; }
    sleep 0.1
  done
  fail "no notice appeared within 10 s after $1"
}
close_notice() {  # window of the notice, what was pressed
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key Return
  for _ in $(seq 50); do
    (($(windows Tallowmere | wc -l) == 1)) && break
    sleep 0.1
  done
  (($(windows Tallowmere | wc -l) == 1)) || fail "after $2 more than one notice was shown, or it did not close on Return"
  xdotool windowfocus --sync "$window" 2>/dev/null
}

# Whether LibreOffice Calc, the spreadsheet application here, can open windows.
calc_found=""
if command -v localc >/dev/null; then
  calc_found=localc
else
  for name in soffice libreoffice; do
    exe=$(command -v "$name") || continue
    folder=$(dirname "$(readlink -f "$exe")")
    compgen -G "$folder/libvclplug_*.so" >/dev/null && { calc_found=$name; break; }
  done
fi

# --- Nothing ticked yet: each export shows one notice and changes nothing.
# Another program owns the clipboard with a text of its own.
printf 'keep' | env "$marker" xclip -selection clipboard -i
[ "$(xclip -o -selection clipboard 2>/dev/null)" = keep ] || fail "xclip could not put a text on the clipboard"
click 136 617  # Copy Results To Clipboard
box=$(wait_for_notice "Copy Results To Clipboard with nothing ticked") || exit 1
[ "$(xclip -o -selection clipboard 2>/dev/null)" = keep ] || fail "Copy with nothing ticked changed the clipboard"
close_notice "$box" "Copy with nothing ticked"
click 136 583  # Save Results As Text File
box=$(wait_for_notice "Save Results As Text File with nothing ticked") || exit 1
[ -z "$(windows Save)" ] || fail "Save with nothing ticked showed the save dialog"
close_notice "$box" "Save with nothing ticked"
if [ -n "$calc_found" ]; then
  click 400 583  # Save Results As Excel File
  box=$(wait_for_notice "Save Results As Excel File with nothing ticked") || exit 1
  close_notice "$box" "the spreadsheet export with nothing ticked"
  sleep 2
  [ -z "$(windows 'Untitled 1 - LibreOffice Calc')" ] || fail "a workbook opened with nothing ticked"
  ! compgen -G "$work/tmp/tallowmere-*/Results-*.xlsx" >/dev/null || fail "a workbook was written with nothing ticked"
fi
[ "$(xclip -o -selection clipboard 2>/dev/null)" = keep ] || fail "the clipboard changed with nothing ticked"
[ -z "$(ls -A "$work/out")" ] || fail "a file was written with nothing ticked"
echo "PASS: with nothing ticked each export showed one notice; the clipboard kept its text, no file, no workbook"

click 19 "$(row_y 1)"   # tick row 1 by its check box
click 120 "$(row_y 7)"  # make row 7 current ...
xdotool key space; sleep 0.2  # ... and tick it with Space
click 19 "$(row_y 12)"  # tick row 12 by its check box

mapfile -t lines < <(printf '7\n15\n61\n100\n' | "$analyse" --entries)
((${#lines[@]} == 12)) || fail "the analyser gave ${#lines[@]} lines instead of 12"
printf '%s\r\n' "${lines[0]}" "${lines[6]}" "${lines[11]}" >"$work/expected.clip"

# --- Copy Results To Clipboard.
click 136 617
box=""
for _ in $(seq 100); do
  mapfile -t open < <(windows Tallowmere)
  ((${#open[@]} >= 2)) && { box=${open[-1]}; break; }
  sleep 0.1
done
[ -n "$box" ] || fail "no notice appeared within 10 s after Copy Results To Clipboard"
xclip -o -selection clipboard >"$work/got.clip" 2>/dev/null
cmp -s "$work/expected.clip" "$work/got.clip" || {
  echo "--- expected:" >&2; od -c "$work/expected.clip" >&2
  echo "--- clipboard:" >&2; od -c "$work/got.clip" >&2
  fail "the clipboard does not hold the ticked rows"
}
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
for _ in $(seq 50); do
  (($(windows Tallowmere | wc -l) == 1)) && break
  sleep 0.1
done
(($(windows Tallowmere | wc -l) == 1)) || fail "the notice did not close on Return"
xclip -o -selection clipboard >"$work/got.clip" 2>/dev/null
cmp -s "$work/expected.clip" "$work/got.clip" || fail "the clipboard changed after the notice was closed"
echo "PASS: clipboard holds the three ticked rows, $(wc -c <"$work/expected.clip") bytes"

# --- Save Results As Text File.
xdotool windowfocus --sync "$window" 2>/dev/null
click 136 583
dialog=$(wait_for_window Save 100) || fail "no save dialog titled Save within 10 s"
xdotool windowfocus --sync "$dialog" 2>/dev/null
sleep 0.5
saved="$work/out/results"  # typed without an extension: none is added
xdotool type --delay 5 -- "$saved"
sleep 0.2
xdotool key Return
for _ in $(seq 100); do
  [ -z "$(windows Save)" ] && [ -s "$saved" ] && break
  sleep 0.1
done
[ -z "$(windows Save)" ] || fail "the save dialog did not close"
width=9
for line in "${lines[@]}"; do ((${#line} > width)) && width=${#line}; done
{
  printf '%-*s\t\r\n' "$width" "Result(s)"
  printf '%-*s\t\r\n' "$width" "${lines[0]}" "$width" "${lines[6]}" "$width" "${lines[11]}"
} >"$work/expected.txt"
cmp -s "$work/expected.txt" "$saved" || {
  echo "--- expected:" >&2; od -c "$work/expected.txt" >&2
  echo "--- file:" >&2; od -c "$saved" >&2 2>/dev/null
  fail "the text file does not hold the header and the ticked rows"
}
[ ! -e "$saved.txt" ] || fail "an extension was added to the typed name"
echo "PASS: text file holds the header line and the three ticked rows"

# --- Save Results As Excel File.
if [ -z "$calc_found" ]; then
  echo "SKIP: LibreOffice Calc (the package that opens windows) is not installed; the spreadsheet export was not tried"
  exit 0
fi

xdotool windowfocus --sync "$window" 2>/dev/null
click 400 583
calc=""
for _ in $(seq 900); do
  kill -0 "$app_pid" 2>/dev/null || { app_pid=""; fail "the program ended unexpectedly"; }
  [ -n "$(windows 'Application Error')" ] && fail "an error report appeared instead of the workbook"
  (($(windows Tallowmere | wc -l) > 1)) && fail "a message appeared instead of the workbook (is Calc missing?)"
  calc=$(windows 'Untitled 1 - LibreOffice Calc' | head -n1)
  [ -n "$calc" ] && break
  sleep 0.1
done
[ -n "$calc" ] || fail "no window titled 'Untitled 1 - LibreOffice Calc' within 90 s"
files=("$work"/tmp/tallowmere-*/Results-*.xlsx)
[ -s "${files[0]}" ] || fail "no workbook file in the program's folder under TMPDIR"
echo "PASS: LibreOffice Calc shows 'Untitled 1 - LibreOffice Calc' (window $calc)"
