#!/usr/bin/env bash
# Times two builds against each other on the same list files, in the same
# session, their runs alternating: `tallowmere-analyse FILE` (wall time, peak
# resident memory and page faults, by /usr/bin/time) on each file, and the
# window's "Load Numbers From File" (bench_load_file, one load per process) of
# the first; RUNS runs of each (default 5), the medians printed as a table.
# The two builds' results must be the same byte for byte.
#   bash bench/compare_builds.sh BEFORE_BIN AFTER_BIN RUNS FILE...
set -euo pipefail
before=$1 after=$2 runs=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# analyse LABEL FILE: RUNS alternating runs of each build on FILE.
analyse() {
  local label=$1 file=$2 r b
  for ((r = 0; r < runs; r++)); do
    for b in before after; do
      local bin=$before
      [ "$b" = after ] && bin=$after
      /usr/bin/time -f "%e %M %R" -o "$work/time" "$bin/tallowmere-analyse" "$file" > "$work/$b.out"
      cat "$work/time" >> "$work/$label.$b"
    done
    if ! cmp -s "$work/before.out" "$work/after.out"; then
      echo "the two builds gave different results on $file" >&2
      diff "$work/before.out" "$work/after.out" >&2 || true
      exit 1
    fi
  done
}

# window FILE: RUNS alternating loads of FILE by each build's window.
window() {
  local file=$1 r b
  for ((r = 0; r < runs; r++)); do
    for b in before after; do
      local bin=$before
      [ "$b" = after ] && bin=$after
      # "run 1: N lines loaded in S s, F page faults, resident R MB"
      "$bin/bench_load_file" "$file" 1 | awk '/^run 1:/ { print $7, $13 * 1024, $9 }' >> "$work/window.$b"
    done
  done
}

# row LABEL: the medians of both builds and their ratio.
row() {
  local label=$1 wb wa mb ma fb fa
  wb=$(cut -d' ' -f1 "$work/$label.before" | median)
  wa=$(cut -d' ' -f1 "$work/$label.after" | median)
  mb=$(cut -d' ' -f2 "$work/$label.before" | median)
  ma=$(cut -d' ' -f2 "$work/$label.after" | median)
  fb=$(cut -d' ' -f3 "$work/$label.before" | median)
  fa=$(cut -d' ' -f3 "$work/$label.after" | median)
  printf '| %s | %.2f s | %.2f s | %.2f | %s | %s | %s | %s |\n' "${label//_/ }" "$wb" "$wa" \
    "$(echo "$wa / $wb" | bc -l)" "$((mb / 1024)) MB" "$((ma / 1024)) MB" "$fb" "$fa"
}

labels=()
for file in "$@"; do
  label="analyse $(basename "$file")"
  label=${label// /_}
  analyse "$label" "$file"
  labels+=("$label")
done
window "$1"

echo "| What | Before | After | After / before | Peak resident before | after | Page faults before | after |"
echo "|---|---|---|---|---|---|---|---|"
for label in "${labels[@]}"; do row "$label"; done
row window
echo "(medians of $runs alternating runs; for the window the resident memory after the load)"
