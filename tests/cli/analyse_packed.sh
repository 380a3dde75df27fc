#!/usr/bin/env bash
# Columns and groups that wait for their analysis hold their numbers packed
# where every one comes back exactly: each column of --all-fields, and each
# group of --group-by, must come to what it comes to analysed alone, where
# nothing waits. The columns are long enough to be packed, with ties that the
# mode lists in the order first met, and some that cannot be packed.
set -u
bin=$1
. "$(dirname "$0")/lib/check.sh"

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
rows=600000
# wide: whole numbers past two bytes, some tied (first, so that it is the
#   block analysed while the others wait); tenths: one decimal place, many
#   values tied; minus_zero: a -0 among hundredths (never packed);
#   units: a text among whole numbers (never packed); g: the group.
awk -v n=$rows 'BEGIN {
  print "wide,tenths,minus_zero,units,g"
  for (i = 1; i <= n; i++) {
    t = (i * 7919) % 20001; w = (i * 104729) % 300007 + 40000; h = (i * 31) % 100003
    printf "%d,%.1f,%s,%s,%s\n", w, t / 10 - 1000, (i == 1000 ? "-0" : sprintf("%.2f", h / 100)),
      (i == 77 ? "kg" : i % 1000), (i % 10 == 0 ? "y" : "x")
  }
}' > "$tmp/table.csv"
awk -F, 'NR == 1 || $5 == "x"' "$tmp/table.csv" > "$tmp/x.csv"
awk -F, 'NR == 1 || $5 == "y"' "$tmp/table.csv" > "$tmp/y.csv"

rows_asked=(--more --normality --frequencies --percentile 2.5,50,97.5 --trim 0.1 --confidence 90)
analyse() { "$bin/tallowmere-analyse" --delimiter , --header --format tsv --all-decimals "${rows_asked[@]}" "$@"; }

# A table of results of several blocks: the rows of value column k (from
# 1) as a single run writes them, and the frequency table of block NAME.
rows_of() { # k
  awk -F'\t' -v k="$1" 'NR > 1 && $1 == "column" { exit } NR > 1 { print $1 "\t" $(k + 1) }'
}
frequencies_of() { # name
  awk -F'\t' -v name="$1" 'on && $1 == name { sub(/^[^\t]*\t/, ""); print } $1 == "column" { on = 1 }'
}
# The same of a single run.
rows_alone() { awk -F'\t' '$1 == "low" { exit } { print }'; }
frequencies_alone() { awk -F'\t' 'on { print } $1 == "low" { on = 1 }'; }

# Checks block k of table $2 (named NAME there) against the single run of
# $3 (the options that name its column and file).
check_block() { # what k name table options...
  local what=$1 k=$2 name=$3 table=$4; shift 4
  analyse "$@" > "$tmp/alone.tsv" 2>/dev/null
  check "$what: the rows as analysed alone" "$(rows_alone < "$tmp/alone.tsv")" "$(rows_of "$k" < "$table")"
  check "$what: the frequencies as analysed alone" "$(frequencies_alone < "$tmp/alone.tsv")" \
    "$(frequencies_of "$name" < "$table")"
}

analyse --all-fields "$tmp/table.csv" > "$tmp/all.tsv" 2>"$tmp/all.err"
check "all fields: the columns" "statistic	wide	tenths	minus_zero	units" "$(head -1 "$tmp/all.tsv")"
k=1
for name in wide tenths minus_zero units; do
  check_block "all fields, $name" $k "$name" "$tmp/all.tsv" --field "$name" "$tmp/table.csv"
  k=$((k + 1))
done

analyse --field wide,tenths --group-by g "$tmp/table.csv" > "$tmp/groups.tsv" 2>/dev/null
check "groups: the blocks" "statistic	wide: x	wide: y	tenths: x	tenths: y" "$(head -1 "$tmp/groups.tsv")"
k=1
for name in wide tenths; do
  for group in x y; do
    check_block "groups, $name: $group" $k "$name: $group" "$tmp/groups.tsv" --field "$name" "$tmp/$group.csv"
    k=$((k + 1))
  done
done

# The text of every block, as the window's rows show them, too.
text_all=$("$bin/tallowmere-analyse" --delimiter , --header --more --all-fields "$tmp/table.csv" 2>/dev/null)
text_one=$("$bin/tallowmere-analyse" --delimiter , --header --more --field tenths "$tmp/table.csv" 2>/dev/null)
check "text: tenths as analysed alone" "$text_one" "$(printf '%s\n' "$text_all" | awk '/^tenths$/ { on = 1; next } on && /^$/ { exit } on')"

exit $fail
