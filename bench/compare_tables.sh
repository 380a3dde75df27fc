#!/usr/bin/env bash
# The analyser on a table against its peers: a CSV of ROWS rows (default
# 10,000,000, about 200 MB) "id,weight,height,group" read by
# tallowmere-analyse, pandas, DuckDB (its Node client) and GNU datamash, three
# ways: the weight column alone, every numeric column (id, weight, height) and
# the weight by group. Each peer computes the count, mean, sample standard
# deviation, minimum, maximum, median, mode, sample skew and kurtosis (pandas
# and DuckDB the quartiles too). Prints one table: wall time (the median of
# three runs for a run under 5 s), peak resident memory and each peer's time
# as a multiple of the analyser's on the same row. Analyser options that the
# build given does not know (exit status 2) show as "n/a". The weight's mean
# and median must agree, to 6 significant digits, between the analyser and
# every peer: exit status 1 when they do not.
#
# The table is made once per row count and kept in DATA_DIR when one is given
# (in a temporary folder otherwise). Installs datamash, python3-pandas, bc and
# Node when missing (Debian's packages) and DuckDB's Node client from npm into
# bench/.peers (kept out of git); the tests need none of them.
#   bash bench/compare_tables.sh [ROWS] [BUILD_BIN] [DATA_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rows=${1:-10000000}
bin=${2:-$here/../build/bin}
data=${3:-}
analyser=$bin/tallowmere-analyse
[ -x "$analyser" ] || { echo "no $analyser: build first (tools/setup.sh)" >&2; exit 1; }
[[ $rows =~ ^[1-9][0-9]*$ ]] || { echo "ROWS must be a positive number, not '$rows'" >&2; exit 1; }

# Debian's pandas belongs to Debian's Python, whatever else is on the PATH.
py=/usr/bin/python3
need=()
command -v datamash >/dev/null || need+=(datamash)
"$py" -c 'import pandas' 2>/dev/null || need+=(python3-pandas)
command -v bc >/dev/null || need+=(bc)
command -v node >/dev/null || need+=(nodejs)
command -v npm >/dev/null || need+=(npm)
[ -x /usr/bin/time ] || need+=(time)
if ((${#need[@]})); then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  echo "Installing for the benchmark: ${need[*]}" >&2
  $sudo apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >&2
fi

# One version of DuckDB, so that runs on different days compare the same peer.
duckdb_version=1.5.6-r.1
peers=$here/.peers
if ! grep -qs "\"version\": \"$duckdb_version\"" "$peers/node_modules/@duckdb/node-api/package.json"; then
  echo "Installing DuckDB's Node client $duckdb_version into $peers" >&2
  mkdir -p "$peers"
  npm install --prefix "$peers" --no-audit --no-fund --loglevel=error "@duckdb/node-api@$duckdb_version" >&2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "$data" ]; then
  mkdir -p "$data"
else
  data=$work
fi
file=$data/id-weight-height-group-$rows.csv
if [ ! -s "$file" ]; then
  echo "Writing $file" >&2
  # A generator of its own (Park and Miller's, exact in a double) rather than
  # awk's rand(): mawk and gawk then write the same file. Weight and height are
  # sums of two uniform numbers (peaked in the middle, like people), in tenths.
  awk -v n="$rows" 'BEGIN {
    x = 20261211
    print "id,weight,height,group"
    for (i = 1; i <= n; i++) {
      x = (x * 48271) % 2147483647; a = x % 401
      x = (x * 48271) % 2147483647; w = 400 + a + x % 400
      x = (x * 48271) % 2147483647; a = x % 301
      x = (x * 48271) % 2147483647; h = 1450 + a + x % 300
      x = (x * 48271) % 2147483647
      printf "%d,%d.%d,%d.%d,%c\n", i, w / 10, w % 10, h / 10, h % 10, 65 + x % 5
    }
  }' > "$file.part"
  mv "$file.part" "$file"
fi
mb=$((($(stat -c %s "$file") + 500000) / 1000000))
echo "$rows rows, $mb MB: $file" >&2
# The file's pages from the cache for every tool, as for the first.
cat "$file" > /dev/null

cat > "$work/peer.py" <<'EOF'
# The statistics of one column, of every numeric column or of one column by
# group, with pandas.
import sys
import pandas as pd


def show(label, x):
    for key, value in x.describe().items():
        print(label, key, repr(float(value)))
    print(label, "skew", repr(float(x.skew())))
    print(label, "kurtosis", repr(float(x.kurt())))
    print(label, "mode", " or ".join(repr(float(v)) for v in x.mode().head(5)))
    print(label, "median", repr(float(x.median())))


what, path = sys.argv[1], sys.argv[2]
if what == "one":
    show("weight", pd.read_csv(path, usecols=["weight"])["weight"])
elif what == "all":
    table = pd.read_csv(path)
    for column in ("id", "weight", "height"):
        show(column, table[column])
else:
    groups = pd.read_csv(path, usecols=["weight", "group"]).groupby("group")["weight"]
    described = groups.describe()
    skew = groups.skew()
    kurtosis = groups.apply(pd.Series.kurt)
    mode = groups.apply(lambda x: " or ".join(repr(float(v)) for v in x.mode().head(5)))
    median = groups.median()
    for group in described.index:
        label = "weight[%s]" % group
        for key, value in described.loc[group].items():
            print(label, key, repr(float(value)))
        print(label, "skew", repr(float(skew[group])))
        print(label, "kurtosis", repr(float(kurtosis[group])))
        print(label, "mode", mode[group])
        print(label, "median", repr(float(median[group])))
EOF

cat > "$work/duckdb.js" <<'EOF'
// One query of DuckDB on two threads; each result row printed as a JSON line.
const { DuckDBInstance } = require('@duckdb/node-api');

(async () => {
  const instance = await DuckDBInstance.create(':memory:');
  const connection = await instance.connect();
  await connection.run('SET threads=2');
  const reader = await connection.runAndReadAll(process.argv[2]);
  for (const row of reader.getRowObjectsJson()) console.log(JSON.stringify(row));
})();
EOF

# stats COLUMN: DuckDB's select list for one column, quantiles exact.
stats() {
  local c=$1
  echo "count($c) AS ${c}_count, avg($c) AS ${c}_mean, stddev_samp($c) AS ${c}_sd, min($c) AS ${c}_min," \
    "max($c) AS ${c}_max, quantile_cont($c, [0.25, 0.5, 0.75]) AS ${c}_quartiles, median($c) AS ${c}_median," \
    "mode($c) AS ${c}_mode, skewness($c) AS ${c}_skew, kurtosis($c) AS ${c}_kurtosis"
}
source="read_csv('$file', header = true,
  columns = {'id': 'BIGINT', 'weight': 'DOUBLE', 'height': 'DOUBLE', 'group': 'VARCHAR'})"
duckdb_one="SELECT $(stats weight) FROM $source"
duckdb_all="SELECT $(stats id), $(stats weight), $(stats height) FROM $source"
duckdb_group="SELECT \"group\", $(stats weight) FROM $source GROUP BY \"group\" ORDER BY \"group\""

# datamash's operations on the columns given (a comma-separated list).
ops() { local c=$1; echo "mean $c median $c sstdev $c sskew $c skurt $c mode $c min $c max $c count $c"; }

# run OUT COMMAND...: sets wall (s), mem (MB) and runs, or wall=n/a when the
# analyser rejects its options (exit status 2) and wall=failed on any other
# failure.
# A run shorter than 5 s is made three times and its median time kept (with
# the largest peak memory): a single short run on a shared machine is at the
# mercy of whatever else happens in that second. Longer runs are made once.
run() {
  local out=$1; shift
  local walls=() peak=0 w m status
  for _ in 1 2 3; do
    status=0
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" > "$out" 2> "$out.err" || status=$?
    if ((status)); then
      wall=failed
      ((status == 2)) && [ "$1" = "$analyser" ] && wall=n/a
      [ "$wall" = failed ] && { echo "failed (exit $status): $*" >&2; cat "$out.err" >&2; }
      mem=— runs=—
      return
    fi
    read -r w m < "$work/time"
    walls+=("$w")
    ((m > peak)) && peak=$m
    [ "$(echo "$w < 5" | bc -l)" = 1 ] || break
  done
  wall=$(printf '%s\n' "${walls[@]}" | sort -g | sed -n "$(((${#walls[@]} + 1) / 2))p")
  mem=$((peak / 1024))
  runs=${#walls[@]}
}

table=()
failures=0
# row WHAT TOOL: a row of the table from the last run; a peer's time against
# the analyser's ($ours) on the same row.
row() {
  local what=$1 tool=$2 times=—
  [ "$wall" = failed ] && failures=$((failures + 1))
  if [ "$tool" = tallowmere-analyse ]; then
    ours=$wall
    [[ $wall =~ ^[0-9] ]] && times=1
  elif [[ $wall =~ ^[0-9] && $ours =~ ^[0-9] ]] && [ "$(echo "$ours > 0" | bc -l)" = 1 ]; then
    times=$(printf '%.1fx' "$(echo "$wall / $ours" | bc -l)")
  fi
  local shown=$wall
  [[ $wall =~ ^[0-9] ]] && shown="$wall s"
  [[ $mem =~ ^[0-9] ]] && mem="$mem MB"
  table+=("| $what | $tool | $shown | $mem | $runs | $times |")
}

# compare WHAT KEY ANALYSER_ARGS PANDAS_WHAT DUCKDB_SQL DATAMASH_ARGS...: one
# row of work by each tool.
compare() {
  local what=$1 key=$2 ours_args=$3 pandas_what=$4 sql=$5
  shift 5
  # shellcheck disable=SC2086 # the analyser's options are words on purpose
  run "$work/ours-$key.txt" "$analyser" $ours_args "$file"
  row "$what" tallowmere-analyse
  run "$work/pandas-$key.txt" "$py" "$work/peer.py" "$pandas_what" "$file"
  row "$what" pandas
  run "$work/duckdb-$key.txt" env NODE_PATH="$peers/node_modules" node "$work/duckdb.js" "$sql"
  row "$what" DuckDB
  # Each run opens the file afresh (datamash reads standard input only).
  # shellcheck disable=SC2016 # expanded by the inner shell
  run "$work/datamash-$key.txt" env LC_ALL=C sh -c 'f=$1; shift; exec datamash "$@" < "$f"' sh "$file" "$@"
  row "$what" datamash
}

# shellcheck disable=SC2046 # ops gives the operations as words
compare "weight" one "--delimiter , --header --field weight" one "$duckdb_one" -t, -H $(ops 2)
# shellcheck disable=SC2046
compare "id, weight, height" all "--delimiter , --header --all-fields" all "$duckdb_all" -t, -H $(ops 1,2,3)
# shellcheck disable=SC2046
compare "weight by group" group "--delimiter , --header --field weight --group-by group" group "$duckdb_group" \
  -t, -H -s -g 4 $(ops 2)

# The weight's mean and median from each tool, rounded alike.
six() { [ -n "$1" ] && printf '%.6g' "$1" || echo missing; }
json() { grep -o "\"$1\":[^,}]*" "$2" | head -n 1 | cut -d: -f2; }
"$analyser" --delimiter , --header --field weight --format tsv "$file" > "$work/ours-tsv.txt"
tsv() { awk -F'\t' -v k="$1" '$1 == k { print $2 }' "$work/ours-tsv.txt"; }
declare -A mean median
mean[tallowmere-analyse]=$(six "$(tsv mean)") median[tallowmere-analyse]=$(six "$(tsv median)")
mean[pandas]=$(six "$(awk '$2 == "mean" { print $3 }' "$work/pandas-one.txt")")
median[pandas]=$(six "$(awk '$2 == "median" { print $3 }' "$work/pandas-one.txt")")
mean[DuckDB]=$(six "$(json weight_mean "$work/duckdb-one.txt")")
median[DuckDB]=$(six "$(json weight_median "$work/duckdb-one.txt")")
mean[datamash]=$(six "$(sed -n 2p "$work/datamash-one.txt" | cut -d, -f1)")
median[datamash]=$(six "$(sed -n 2p "$work/datamash-one.txt" | cut -d, -f2)")
agreement="the weight's mean ${mean[tallowmere-analyse]} and median ${median[tallowmere-analyse]} (6 significant digits) are the same from every tool"
for tool in pandas DuckDB datamash; do
  if [ "${mean[$tool]}" != "${mean[tallowmere-analyse]}" ] || [ "${median[$tool]}" != "${median[tallowmere-analyse]}" ]; then
    agreement="DISAGREEMENT: the weight's mean and median: tallowmere-analyse ${mean[tallowmere-analyse]}, \
${median[tallowmere-analyse]}; $tool ${mean[$tool]}, ${median[$tool]}"
    failures=$((failures + 1))
    break
  fi
done

# What each peer's runtime holds before it reads a byte, for the peak memory.
at_rest() { /usr/bin/time -f "%M" -o "$work/rest" "$@" > /dev/null && echo "$(($(tail -n 1 "$work/rest") / 1024)) MB"; }
pandas_rest=$(at_rest "$py" -c 'import pandas')
duckdb_rest=$(at_rest env NODE_PATH="$peers/node_modules" node -e \
  "require('@duckdb/node-api').DuckDBInstance.create(':memory:').then((i) => i.connect()).then((c) => c.run('SELECT 1'))")

echo "| what | tool | wall time | peak memory | runs | time against the analyser |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${table[@]}"
echo
echo "$rows rows, $mb MB, from the page cache. The analyser computes its twelve rows (count, sums, mode, \
median, mean, variance, skew, average and standard deviation); each peer the count, mean, standard deviation, \
minimum, maximum, median, mode, skew and kurtosis (pandas's describe and DuckDB the quartiles too). The analyser \
reads with its helper thread; DuckDB $(env NODE_PATH="$peers/node_modules" node -p \
"require('@duckdb/node-api').version()") with SET threads=2; \
pandas $("$py" -c 'import pandas; print(pandas.__version__)') and $(datamash --version | head -n 1 | \
sed 's/.*) //;s/^/datamash /') on one. datamash groups only sorted input: its by-group row sorts the whole table \
first (-s). n/a: an option this analyser does not know. The peak memory includes the runtime's own: Python \
with pandas imported $pandas_rest, Node with DuckDB connected $duckdb_rest."
echo "Check: $agreement."
((failures == 0))
