#!/usr/bin/env bash
# The scale curve: tallowmere-analyse, GNU datamash and pandas (read_csv and
# the same twelve statistics) on the same generated list files of 1,000,000,
# 10,000,000 and 100,000,000 lines of three-decimal numbers (sizes above
# MAX_LINES are left out). Prints one table: wall time (the median of three
# runs for a tool that takes under 5 s), peak resident memory and each peer's
# time as a multiple of the analyser's. datamash keeps every
# value for its mode and median (about 0.9 GB at 10M), so it is left out above
# 10,000,000 lines. Installs python3-pandas when it is missing; the tests do
# not need it.
#   bash bench/compare_peers.sh [MAX_LINES] [BUILD_BIN]
set -euo pipefail
cd "$(dirname "$0")/.."
max=${1:-100000000}
bin=${2:-build/bin}
analyser=$bin/tallowmere-analyse
[ -x "$analyser" ] || { echo "no $analyser: build first (tools/setup.sh)" >&2; exit 1; }

# Debian's pandas belongs to Debian's Python, whatever else is on the PATH.
py=/usr/bin/python3
need=()
command -v datamash >/dev/null || need+=(datamash)
"$py" -c 'import pandas' 2>/dev/null || need+=(python3-pandas)
command -v bc >/dev/null || need+=(bc)
if ((${#need[@]})); then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  echo "Installing for the benchmark: ${need[*]}"
  $sudo apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >&2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/peer.py" <<'EOF'
# The twelve statistics of the analyser, with pandas.
import sys
import pandas as pd

x = pd.read_csv(sys.argv[1], header=None, names=["x"], dtype="float64")["x"]
n = x.count()
s = x.sum()
mean = x.mean()
std = x.std()
print("count", n)
print("sum", s)
print("sum squared", s * s)
print("sum of squares", (x * x).sum())
print("mode", " or ".join(str(v) for v in x.mode().head(5)))
print("median", x.median())
print("mean", mean)
print("variance", x.var())
print("skew", x.skew())
print("average deviation", (x - mean).abs().mean())
print("standard deviation", std)
print("coefficient of variation", std / mean * 100)
EOF

# run NAME OUT COMMAND...: one run; sets wall and mem (MB).
# A run shorter than 5 s is made three times and its median time kept (with
# the largest peak memory): a single short run on a shared machine is at the
# mercy of whatever else happens in that second. Longer runs are made once.
run() {
  local out=$1; shift
  local walls=() peak=0 w m
  for attempt in 1 2 3; do
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" > "$out"
    read -r w m < "$work/time"
    walls+=("$w")
    ((m > peak)) && peak=$m
    [ "$(echo "$w < 5" | bc -l)" = 1 ] || break
  done
  wall=$(printf '%s\n' "${walls[@]}" | sort -g | sed -n "$(((${#walls[@]} + 1) / 2))p")
  mem=$((peak / 1024))
}

rows=()
for lines in 1000000 10000000 100000000; do
  ((lines <= max)) || continue
  file=$work/numbers-$lines.txt
  awk -v n="$lines" 'BEGIN { srand(20261209); for (i = 0; i < n; i++) printf "%.3f\n", rand() * 20000 - 10000 }' \
    > "$file"
  mb=$(($(stat -c %s "$file") / 1000000))
  echo "$lines lines, $mb MB" >&2
  # The file's pages from the cache for every tool, as for the first.
  cat "$file" > /dev/null

  run "$work/ours.txt" "$analyser" "$file"
  ours=$wall
  rows+=("| $lines | tallowmere-analyse | $wall s | $mem MB | $((mem * 1048576 / lines)) | 1 |")

  if ((lines <= 10000000)); then
    # Each run opens the file afresh (datamash reads standard input only).
    run "$work/datamash.txt" env LC_ALL=C sh -c \
      'exec datamash count 1 sum 1 mode 1 median 1 mean 1 svar 1 sskew 1 sstdev 1 < "$0"' "$file"
    rows+=("| $lines | datamash | $wall s | $mem MB | $((mem * 1048576 / lines)) | $(printf '%.1f' "$(echo "$wall / $ours" | bc -l)")x |")
  else
    rows+=("| $lines | datamash | — | — | — | — |")
  fi

  run "$work/pandas.txt" "$py" "$work/peer.py" "$file"
  rows+=("| $lines | pandas | $wall s | $mem MB | $((mem * 1048576 / lines)) | $(printf '%.1f' "$(echo "$wall / $ours" | bc -l)")x |")
  rm -f "$file"
done

echo "| lines | tool | wall time | peak memory | bytes per entry | time against the analyser |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
