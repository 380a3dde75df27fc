#!/usr/bin/env bash
# Times tallowmere-analyse against datamash on the same generated file of N
# lines (default 10,000,000) and prints the ratio and the analyser's peak memory.
#   bash bench/compare_datamash.sh [BUILD_BIN] [LINES]
set -euo pipefail
bin=${1:-build/bin}
lines=${2:-10000000}
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

t0=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$work/mem" "$bin/tallowmere-analyse" --time --entries "$file" > "$work/ours.txt"
t1=$(date +%s.%N)
LC_ALL=C datamash count 1 sum 1 mode 1 median 1 mean 1 svar 1 sskew 1 sstdev 1 < "$file" > "$work/theirs.txt"
t2=$(date +%s.%N)

ours=$(echo "$t1 - $t0" | bc -l)
theirs=$(echo "$t2 - $t1" | bc -l)
printf 'tallowmere-analyse: %.3f s, peak %d MB\n' "$ours" "$(( $(cat "$work/mem") / 1024 ))"
printf 'datamash:           %.3f s\n' "$theirs"
printf 'ratio:              %.1fx\n' "$(echo "$theirs / $ours" | bc -l)"
echo "--- ours";   cat "$work/ours.txt"
echo "--- datamash (count sum mode median mean svar sskew sstdev)"; cat "$work/theirs.txt"
