#!/usr/bin/env bash
# Times the analyser reading one column of a CSV file of N rows (two columns,
# "i,j.5") against the same numbers as a list file, and against datamash on
# the CSV; each the median of RUNS runs. The column read and the list file
# must give the same results, byte for byte.
#   bash bench/compare_columns.sh [BUILD_BIN] [ROWS] [RUNS]
set -eu
bin=${1:-build/bin}
rows=${2:-10000000}
runs=${3:-5}
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

awk -v n="$rows" 'BEGIN { for (i = 0; i < n; i++) printf "%d,%d.5\n", i, i % 1000 }' > "$work/t.csv"
cut -d, -f2 "$work/t.csv" > "$work/list.txt"
echo "table: $rows rows, $(($(stat -c %s "$work/t.csv") / 1000000)) MB; its second column as a list file: \
$(($(stat -c %s "$work/list.txt") / 1000000)) MB"
cat "$work/t.csv" "$work/list.txt" > /dev/null

# median LABEL OUT COMMAND...: the median wall time of $runs runs, with the
# largest peak memory.
median() {
  local label=$1 out=$2; shift 2
  local walls=() peak=0 w m
  for ((r = 0; r < runs; r++)); do
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" > "$out"
    read -r w m < "$work/time"
    walls+=("$w")
    ((m > peak)) && peak=$m
  done
  median_wall=$(printf '%s\n' "${walls[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p")
  printf '%-36s %6.2f s (median of %d: %s), peak %d MB\n' "$label" "$median_wall" "$runs" "${walls[*]}" \
    "$((peak / 1024))"
}

median "analyser, --field 2 of the CSV:" "$work/column.out" "$bin/tallowmere-analyse" --delimiter , --field 2 "$work/t.csv"
column_wall=$median_wall
median "analyser, the list file:" "$work/list.out" "$bin/tallowmere-analyse" "$work/list.txt"
list_wall=$median_wall
if command -v datamash >/dev/null; then
  # Each run opens the file afresh (datamash reads standard input only).
  median "datamash -t, on the CSV's column 2:" "$work/datamash.out" \
    env LC_ALL=C sh -c 'exec datamash -t, count 2 sum 2 mean 2 sstdev 2 < "$0"' "$work/t.csv"
  printf 'datamash against the column read: %.1fx\n' "$(echo "$median_wall / $column_wall" | bc -l)"
fi
printf 'column read against the list file: %.2fx\n' "$(echo "$column_wall / $list_wall" | bc -l)"
if cmp -s "$work/column.out" "$work/list.out"; then
  echo "the column read and the list file give the same results"
else
  echo "the column read and the list file differ:"
  diff "$work/column.out" "$work/list.out"
  exit 1
fi
