#!/usr/bin/env bash
# The analyser short of memory (a limit of its address space): whatever could
# not get memory, a reader, the engine or a row, the run says so in one line,
# writes no rows and exits with 1. Never a result worked out in part.
set -u
bin=$1
. "$(dirname "$0")/lib/check.sh"

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
seq 1 10000000 > "$tmp/big.txt"

# name | options (one per line; BIG stands for the file, STDIN for reading it
# from standard input)
cases='json of a list file|--format\njson\nBIG
text with the rows after the twelve|--more\nBIG
tsv of all decimals|--format\ntsv\n--all-decimals\nBIG
entries of a file|--entries\nBIG
entries from standard input|--entries\nSTDIN'

# The results without a limit, to which a run that got all it asked for must
# come to.
run() { # limit-in-KiB options...
  local limit=$1 input=/dev/null; shift
  local argv=()
  for a in "$@"; do
    case $a in BIG) argv+=("$tmp/big.txt") ;; STDIN) input=$tmp/big.txt ;; *) argv+=("$a") ;; esac
  done
  ( [ "$limit" = none ] || ulimit -v "$limit"; exec timeout 300 "$bin/tallowmere-analyse" "${argv[@]}" <"$input" )
}

# Limits far below what ten million numbers take (80 MB held, sorted
# beside a copy): they fail on every machine. The last is near what they
# take: it may go either way, but only cleanly. Each limit still lets the
# program start.
for limit in 150000 200000 300000 450000; do
  if ! (ulimit -v "$limit"; "$bin/tallowmere-analyse" --version >/dev/null 2>&1); then
    echo "ok: $limit KiB: too little for the program to start on this machine; not tried"
    continue
  fi
  while IFS='|' read -r name args; do
    mapfile -t argv < <(printf '%b\n' "$args")
    run "$limit" "${argv[@]}" >"$tmp/out" 2>"$tmp/err"; rc=$?
    if [ "$limit" = 450000 ] && [ "$rc" = 0 ]; then
      [ -f "$tmp/whole.$name" ] || run none "${argv[@]}" >"$tmp/whole.$name" 2>/dev/null
      check "$limit KiB, $name: the whole results" "$(cat "$tmp/whole.$name")" "$(cat "$tmp/out")"
      check "$limit KiB, $name: nothing told" "" "$(cat "$tmp/err")"
      continue
    fi
    check "$limit KiB, $name: exit status" 1 "$rc"
    check "$limit KiB, $name: one line" "tallowmere-analyse: out of memory" "$(cat "$tmp/err")"
    check "$limit KiB, $name: no rows" 0 "$(wc -c <"$tmp/out")"
  done <<<"$cases"
done

# Without a limit the same runs have their rows and say nothing.
out=$(run none --format json BIG 2>"$tmp/err"); rc=$?
check "no limit: exit status" 0 "$rc"
check "no limit: the count" '{"count":10000000,' "$(printf '%s' "$out" | head -c 18)"
check "no limit: nothing told" "" "$(cat "$tmp/err")"

exit $fail
