#!/usr/bin/env bash
# Times tallowmere-analyse against datamash on the same generated file of N
# lines (default 10,000,000): the analyser with --entries (every line an
# entry) and with the file read as a list file (every line through the
# number test), each the best of RUNS runs (default 3), with its user time
# and peak memory; datamash once. Prints the ratios of the wall times.
#   bash bench/compare_datamash.sh [BUILD_BIN] [LINES] [RUNS]
set -euo pipefail
bin=${1:-build/bin}
lines=${2:-10000000}
runs=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file=$work/numbers.txt
# Integers with many repeats and decimals with up to three places, signs mixed.
awk -v n="$lines" 'BEGIN { srand(20261208);
  for (i = 0; i < n; i++) {
    if (i % 3 == 0) printf "%d\n", int(rand() * 2000) - 1000;
    else printf "%.3f\n", rand() * 20000 - 10000;
  } }' > "$file"
echo "file: $lines lines, $(du -m "$file" | cut -f1) MB"

# best LABEL OUT ARGS...: the best wall time of $runs runs; sets best_wall.
best() {
  local label=$1 out=$2; shift 2
  local wall user mem
  best_wall=
  for ((r = 0; r < runs; r++)); do
    /usr/bin/time -f "%e %U %M" -o "$work/time" "$bin/tallowmere-analyse" "$@" > "$out"
    read -r wall user mem < "$work/time"
    if [ -z "$best_wall" ] || [ "$(echo "$wall < $best_wall" | bc -l)" = 1 ]; then
      best_wall=$wall best_user=$user best_mem=$mem
    fi
  done
  printf '%-38s %6.2f s wall (best of %d), %6.2f s user, peak %d MB\n' "$label" "$best_wall" "$runs" \
    "$best_user" "$((best_mem / 1024))"
}

best "tallowmere-analyse --entries FILE:" "$work/entries.txt" --entries "$file"
entries_wall=$best_wall
best "tallowmere-analyse FILE (list file):" "$work/list.txt" "$file"
list_wall=$best_wall

/usr/bin/time -f "%e %U %M" -o "$work/time" \
  env LC_ALL=C datamash count 1 sum 1 mode 1 median 1 mean 1 svar 1 sskew 1 sstdev 1 < "$file" > "$work/theirs.txt"
read -r theirs theirs_user theirs_mem < "$work/time"
printf '%-38s %6.2f s wall, %6.2f s user, peak %d MB\n' "datamash:" "$theirs" "$theirs_user" "$((theirs_mem / 1024))"
printf 'ratio --entries:   %.1fx\n' "$(echo "$theirs / $entries_wall" | bc -l)"
printf 'ratio list file:   %.1fx\n' "$(echo "$theirs / $list_wall" | bc -l)"
if ! cmp -s "$work/entries.txt" "$work/list.txt"; then echo "note: the two readings gave different results"; fi
echo "--- ours";   cat "$work/entries.txt"
echo "--- datamash (count sum mode median mean svar sskew sstdev)"; cat "$work/theirs.txt"
