#!/usr/bin/env bash
# The analyser on files that do not hold still: a file cut short while it is
# read (as a list file and with --entries) must give a sane message and exit
# 1, or a complete result and exit 0, never a signal; a file that never ends
# must give way to an interrupt at once, even when the shell that started the
# analyser in the background ignored interrupts for it.
set -u
bin=$1
. "$(dirname "$0")/lib/check.sh"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# --- A file cut to nothing at some moment of its reading. When the cut falls
# is a matter of timing, so each delay may find the file whole, being read,
# or already empty; every outcome must be one of the sane ones.
seq 1 6000000 > "$tmp/master.txt"
lines=6000000
for mode in entries list; do
  for delay in 0.02 0.1 0.25 0.5; do
    cp "$tmp/master.txt" "$tmp/v.txt"
    if [ "$mode" = entries ]; then set -- --entries "$tmp/v.txt"; else set -- "$tmp/v.txt"; fi
    "$bin/tallowmere-analyse" --format tsv "$@" >"$tmp/out" 2>"$tmp/err" &
    pid=$!
    sleep "$delay"
    : > "$tmp/v.txt"
    wait "$pid"; rc=$?
    err=$(cat "$tmp/err")
    name="$mode, cut after ${delay}s"
    if [ "$rc" -ge 128 ]; then
      check "$name: no signal" "exit 0 or 1" "exit $rc ($(kill -l "$((rc - 128))" 2>/dev/null))"
    elif [ "$rc" = 0 ]; then
      check "$name: read before the cut, completely" "count	$lines" "$(head -1 "$tmp/out")"
      check "$name: read before the cut, nothing on standard error" "" "$err"
    else
      check "$name: exit code" 1 "$rc"
      case $err in
        "tallowmere-analyse: $tmp/v.txt: The file changed while it was read") echo "ok: $name: told it changed" ;;
        "You forgot to input numbers.") echo "ok: $name: cut before it was opened" ;;
        # Cut after it was opened but before a whole line was read.
        "tallowmere-analyse: $tmp/v.txt: The file changed while it was read"$'\n'"You forgot to input numbers.")
          echo "ok: $name: told it changed before a line was read" ;;
        *) check "$name: message" "tallowmere-analyse: $tmp/v.txt: The file changed while it was read" "$err" ;;
      esac
    fi
  done
done

# --- A file that reports no size and never ends: SIGINT ends the analyser at
# once. The script's background job starts with SIGINT ignored, as any job of
# a shell without job control does.
for mode in list entries; do
  if [ "$mode" = entries ]; then set -- --entries /proc/self/pagemap; else set -- /proc/self/pagemap; fi
  "$bin/tallowmere-analyse" "$@" >/dev/null 2>"$tmp/err" &
  pid=$!
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || check "$mode: still reading after half a second" "running" "ended"
  kill -INT "$pid"
  for _ in $(seq 1 10); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    check "$mode: ended within a second of SIGINT" "ended" "still running"
    kill -KILL "$pid"
  fi
  wait "$pid"; rc=$?
  check "$mode: ended by the interrupt" 130 "$rc"
done

exit $fail
