#!/usr/bin/env bash
# Several columns and groups of table files through the analyser: blocks in
# text, a column per block in tsv, an array in json; groups in the order they
# first appear; a column of no numbers; one column written as it always was;
# records too short for a column with --strict; --time of each block; the
# usage errors of the options; and the figures of groups against datamash.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 60 "$bin/tallowmere-analyse" "$@"; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# The numbers 2, 4, 4 and 5 in two columns (the second upside down), and a
# column of words.
printf 'name,a,b\nw,2,5\nx,4,4\ny,4,4\nz,5,2\n' > "$tmp/ab.csv"
# Two groups, B first; c holds only words.
printf 'g;v;c\nB;2;n/a\nA;10;x\nB;4;-\nB;4;\nA;20;y\nB;5;z\n' > "$tmp/groups.csv"

# --- what is written: name | arguments (one per line; AB and GROUPS are the files) | standard output | exit status
# "\n" in the expected output is a line end, "\t" a tab; E2445 stands for the
# rows of 2, 4, 4 and 5.
while IFS='|' read -r name args expected rc; do
  mapfile -t argv < <(printf '%b' "$args")
  argv=("${argv[@]//AB/$tmp/ab.csv}")
  argv=("${argv[@]//GROUPS/$tmp/groups.csv}")
  out=$(analyse "${argv[@]}" 2>"$tmp/err"); got_rc=$?
  want=$(printf '%b' "${expected//E2445/$expected_2445}")
  check "$name" "$want" "$out"
  check "$name: exit status" "$rc" "$got_rc"
done <<'TABLE'
one column by number: as always|--delimiter\n,\n--field\n2\nAB|E2445|0
one column by name: as always|--delimiter\n,\n--header\n--field\na\nAB|E2445|0
one column in tsv: no heading line|--delimiter\n,\n--header\n--field\na\n--format\ntsv\n--decimals\n3\nAB|count\t4\nsum\t15\nsum_squared\t225\nsum_of_squares\t61\nmode\t4\nmedian\t4\nmean\t3.75\nvariance\t1.583\nskew\t-1.129\naverage_deviation\t0.875\nstandard_deviation\t1.258\ncoefficient_of_variation\t33.555|0
two columns by name: a block each, headed by the header cell|--delimiter\n,\n--header\n--field\na,b\nAB|a\nE2445\n\nb\nE2445|0
two columns by number without a header: "field N"|--delimiter\n,\n--field\n3,2\nAB|field 3\nE2445\n\nfield 2\nE2445|0
--field given twice is as a list|--delimiter\n,\n--header\n--field\nb\n--field=a\nAB|b\nE2445\n\na\nE2445|0
a column by number with a header is headed by its cell|--delimiter\n,\n--header\n--field\n3,a\nAB|b\nE2445\n\na\nE2445|0
two columns in tsv|--delimiter\n,\n--header\n--field\na,b\n--format\ntsv\n--decimals\n3\nAB|statistic\ta\tb\ncount\t4\t4\nsum\t15\t15\nsum_squared\t225\t225\nsum_of_squares\t61\t61\nmode\t4\t4\nmedian\t4\t4\nmean\t3.75\t3.75\nvariance\t1.583\t1.583\nskew\t-1.129\t-1.129\naverage_deviation\t0.875\t0.875\nstandard_deviation\t1.258\t1.258\ncoefficient_of_variation\t33.555\t33.555|0
all fields: only the columns of numbers|--delimiter\n,\n--header\n--all-fields\nAB|a\nE2445\n\nb\nE2445|0
groups in the order they first appear|--delimiter\n;\n--header\n--field\nv\n--group-by\ng\n--format\ntsv\n--decimals\n3\nGROUPS|statistic\tv: B\tv: A\ncount\t4\t2\nsum\t15\t30\nsum_squared\t225\t900\nsum_of_squares\t61\t500\nmode\t4\tNone\nmedian\t4\t15\nmean\t3.75\t15\nvariance\t1.583\t50\nskew\t-1.129\t#Div/0!\naverage_deviation\t0.875\t5\nstandard_deviation\t1.258\t7.071\ncoefficient_of_variation\t33.555\t47.14|0
groups of all fields leave the group column out|--delimiter\n;\n--header\n--all-fields\n--group-by\n1\n--format\ntsv\n--decimals\n3\nGROUPS|statistic\tv: B\tv: A\ncount\t4\t2\nsum\t15\t30\nsum_squared\t225\t900\nsum_of_squares\t61\t500\nmode\t4\tNone\nmedian\t4\t15\nmean\t3.75\t15\nvariance\t1.583\t50\nskew\t-1.129\t#Div/0!\naverage_deviation\t0.875\t5\nstandard_deviation\t1.258\t7.071\ncoefficient_of_variation\t33.555\t47.14|0
a column of no numbers says so in its block|--delimiter\n;\n--header\n--field\nc,v\n--group-by\ng\n--decimals\n0\nGROUPS|c: B\nYou forgot to input numbers.\n\nc: A\nYou forgot to input numbers.\n\nv: B\nThe number of entries is: 4\nThe sum of the numbers are: 15\nThe sum squared is: 225\nThe sum of squares is: 61\nThe mode is: 4\nThe median is: 4\nThe mean is: 4\nThe variance is: 2\nThe skew is: -1\nThe average deviation is: 1\nThe standard deviation is: 1\nThe coefficient of variation is: 34 %\n\nv: A\nThe number of entries is: 2\nThe sum of the numbers are: 30\nThe sum squared is: 900\nThe sum of squares is: 500\nThe mode is: None\nThe median is: 15\nThe mean is: 15\nThe variance is: 50\nThe skew is: #Div/0!\nThe average deviation is: 5\nThe standard deviation is: 7\nThe coefficient of variation is: 47 %|1
a column of no numbers in tsv: empty values|--delimiter\n;\n--header\n--field\nc,v\n--format\ntsv\n--decimals\n3\nGROUPS|statistic\tc\tv\ncount\t\t6\nsum\t\t45\nsum_squared\t\t2025\nsum_of_squares\t\t561\nmode\t\t4\nmedian\t\t4.5\nmean\t\t7.5\nvariance\t\t44.7\nskew\t\t1.708\naverage_deviation\t\t5\nstandard_deviation\t\t6.686\ncoefficient_of_variation\t\t89.144|1
TABLE

# --- json: one object per column or group, "group" null without groups.
json=$(analyse --delimiter ';' --header --field v,c --group-by g --format json "$tmp/groups.csv" 2>/dev/null)
check "json: the objects' names, groups and counts" "v B 4|v A 2|c B -|c A -" \
  "$(printf '%s' "$json" | python3 -c 'import json, sys
print("|".join("%s %s %s" % (o["column"], o["group"], o.get("count", "-")) for o in json.load(sys.stdin)))')"
check "json: a column of no numbers has no keys but its names" '{"column": "c", "group": "B"}' \
  "$(printf '%s' "$json" | python3 -c 'import json, sys; print(json.dumps(json.load(sys.stdin)[2]))')"
check "json: without groups, group is null" "a None 3.75|b None 3.75" \
  "$(analyse --delimiter , --header --field a,b --format json "$tmp/ab.csv" | python3 -c 'import json, sys
print("|".join("%s %s %s" % (o["column"], o["group"], o["mean"]) for o in json.load(sys.stdin)))')"
check "json: one column is still one object" "dict" \
  "$(analyse --delimiter , --header --field a --format json "$tmp/ab.csv" | python3 -c 'import json, sys
print(type(json.load(sys.stdin)).__name__)')"

# --- standard error of a column of no numbers names it.
analyse --delimiter ';' --header --field c,v --format tsv "$tmp/groups.csv" >/dev/null 2>"$tmp/err"
check "no numbers: told on standard error, naming the column" \
  "tallowmere-analyse: c: You forgot to input numbers." "$(cat "$tmp/err")"
printf 'k\nx\n' | analyse --header --all-fields >"$tmp/out" 2>"$tmp/err"; rc=$?
check "all fields of no numbers: as one column of none" "You forgot to input numbers." "$(cat "$tmp/err")"
check "all fields of no numbers: nothing written" "" "$(cat "$tmp/out")"
check "all fields of no numbers: exit status" 1 "$rc"

# --- the tables of a folder and standard input add to the same columns.
printf 'x,5,1\ny,,3\n' | analyse --delimiter , --field 2,3 --format tsv "$tmp/ab.csv" - >"$tmp/out" 2>/dev/null
check "a file and standard input: the counts" "count	5	6" "$(sed -n 2p "$tmp/out")"
printf 'a,1\n"b,2\n' > "$tmp/open.csv"
analyse --delimiter , --field 1,2 "$tmp/open.csv" >/dev/null 2>"$tmp/err"; rc=$?
check "an unclosed quote is told" \
  "tallowmere-analyse: $tmp/open.csv: line 2: the quoted field begun here is not closed before the end of the file; it is left out
tallowmere-analyse: field 1: You forgot to input numbers." "$(cat "$tmp/err")"
check "an unclosed quote: exit status" 1 "$rc"

# --- --strict with several columns or groups: each record too short for a
# column (or the group column) is told, the first it lacks named, and the
# exit status is 1; the fields it has are read all the same, so the results
# are those of the run without --strict, which tells nothing.
# Line 3 lacks only g, line 5 b and g, line 7 all but the name; line 4 is blank.
printf 'name,a,b,g\nw,2,5,P\nx,4,4\n\ny,4\nz,5,2,P\nv\n' > "$tmp/ragged.csv"
# One whole record, then thirteen of one field, under a header of two.
{ printf 'k,v\n0,1\n'; for i in $(seq 13); do echo "$i"; done; } > "$tmp/short13.csv"
# name | arguments (one per line; RAGGED, SHORT13 and AB are the files) | standard error | exit status
while IFS='|' read -r name args expected rc; do
  mapfile -t argv < <(printf '%b' "$args")
  argv=("${argv[@]//RAGGED/$tmp/ragged.csv}")
  argv=("${argv[@]//SHORT13/$tmp/short13.csv}")
  argv=("${argv[@]//AB/$tmp/ab.csv}")
  out=$(analyse --strict "${argv[@]}" 2>"$tmp/err"); got_rc=$?
  want=$(printf '%b' "${expected//FILE/$tmp/ragged.csv}")
  check "--strict, $name" "${want//SHORT/$tmp/short13.csv}" "$(cat "$tmp/err")"
  check "--strict, $name: exit status" "$rc" "$got_rc"
  check "--strict, $name: the results as without it" "$(analyse "${argv[@]}" 2>/dev/null)" "$out"
  analyse "${argv[@]}" >/dev/null 2>"$tmp/err"
  check "--strict, $name: without it nothing is told" "" "$(cat "$tmp/err")"
done <<'TABLE'
two columns by name|--delimiter\n,\n--header\n--field\na,b\n--format\ntsv\nRAGGED|tallowmere-analyse: FILE: line 5: 2 fields, too few for the column 'b'; the fields it has are read\ntallowmere-analyse: FILE: line 7: 1 field, too few for the column 'a'; the fields it has are read|1
two columns by number|--delimiter\n,\n--field\n3,2\n--format\ntsv\nRAGGED|tallowmere-analyse: FILE: line 5: 2 fields, too few for field 3; the fields it has are read\ntallowmere-analyse: FILE: line 7: 1 field, too few for field 2; the fields it has are read|1
groups: the group column too|--delimiter\n,\n--header\n--field\na\n--group-by\ng\n--format\ntsv\nRAGGED|tallowmere-analyse: FILE: line 3: 3 fields, too few for the column 'g'; the fields it has are read\ntallowmere-analyse: FILE: line 5: 2 fields, too few for the column 'g'; the fields it has are read\ntallowmere-analyse: FILE: line 7: 1 field, too few for the column 'a'; the fields it has are read|1
all fields: the columns the header names|--delimiter\n,\n--header\n--all-fields\n--format\ntsv\nRAGGED|tallowmere-analyse: FILE: line 3: 3 fields, too few for the column 'g'; the fields it has are read\ntallowmere-analyse: FILE: line 5: 2 fields, too few for the column 'b'; the fields it has are read\ntallowmere-analyse: FILE: line 7: 1 field, too few for the column 'a'; the fields it has are read|1
a clean file|--delimiter\n,\n--header\n--field\na,b\nAB||0
a clean file with groups|--delimiter\n,\n--header\n--field\na\n--group-by\nb\nAB||0
ten told, the rest counted|--delimiter\n,\n--header\n--field\nk,v\nSHORT13|tallowmere-analyse: SHORT: line 3: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 4: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 5: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 6: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 7: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 8: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 9: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 10: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 11: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: line 12: 1 field, too few for the column 'v'; the fields it has are read\ntallowmere-analyse: SHORT: 3 more records with too few fields|1
TABLE
printf 'name,a,b\nq,1\n' | analyse --strict --delimiter , --header --field a,b - >/dev/null 2>"$tmp/err"
check "--strict, standard input: named as such" \
  "tallowmere-analyse: standard input: line 2: 2 fields, too few for the column 'b'; the fields it has are read
tallowmere-analyse: b: You forgot to input numbers." "$(cat "$tmp/err")"

# --- --time with several blocks: the reading once, then each block under
# its heading, its analysis and its rows; one block as one column always was.
# The figures are left out (they vary), their form is kept.
times() { sed -E 's/[0-9]+\.[0-9]+ (s|ms)/T \1/g; s/row +([0-9]+): +T/row \1: T/'; }
# name | arguments (one per line; AB and GROUPS are the files) | standard error with T for each figure
while IFS='|' read -r name args expected; do
  mapfile -t argv < <(printf '%b' "$args")
  argv=("${argv[@]//AB/$tmp/ab.csv}")
  argv=("${argv[@]//GROUPS/$tmp/groups.csv}")
  out=$(analyse --time "${argv[@]}" 2>"$tmp/err")
  rows=$(for i in $(seq 12); do printf '\n  row %d: T ms' "$i"; done)
  check "--time, $name" "$(printf '%b' "${expected//ROWS/$rows}")" "$(times <"$tmp/err")"
  check "--time, $name: the results as without it" "$(analyse "${argv[@]}" 2>/dev/null)" "$out"
done <<'TABLE'
two columns|--delimiter\n,\n--header\n--field\na,b\nAB|read T s\na\n  analyse T s, entries 4ROWS\nb\n  analyse T s, entries 4ROWS
groups, headed as the text blocks are|--delimiter\n;\n--header\n--field\nv\n--group-by\ng\n--format\ntsv\nGROUPS|read T s\nv: B\n  analyse T s, entries 4ROWS\nv: A\n  analyse T s, entries 2ROWS
a column of no numbers: no rows|--delimiter\n;\n--header\n--field\nc,v\nGROUPS|tallowmere-analyse: c: You forgot to input numbers.\nread T s\nc\n  analyse T s, entries 0\nv\n  analyse T s, entries 6ROWS
one block: as one column|--delimiter\n;\n--header\n--all-fields\nGROUPS|read T s, analyse T s, entries 6ROWS
TABLE

# --- usage errors: the reason, then the usage; exit 2, nothing written.
# name | arguments (one per line; AB is the table) | first line of standard error
while IFS='|' read -r name args message; do
  mapfile -t argv < <(printf '%b' "${args//AB/$tmp/ab.csv}")
  out=$(analyse "${argv[@]}" </dev/null 2>"$tmp/err"); rc=$?
  check "$name: exit code" 2 "$rc"
  check "$name: nothing on standard output" "" "$out"
  check "$name: message" "${message//AB/$tmp/ab.csv}" "$(head -1 "$tmp/err")"
  check "$name: usage follows" "usage: tallowmere-analyse [options] [PATH...]" "$(sed -n 2p "$tmp/err")"
done <<'TABLE'
--all-fields with --field|--all-fields\n--field\n2\nAB|tallowmere-analyse: --all-fields takes no --field
--group-by without columns|--group-by\n2\nAB|tallowmere-analyse: option '--group-by' needs --field
--group-by without columns, with a delimiter|--delimiter\n,\n--group-by\n2\nAB|tallowmere-analyse: option '--group-by' needs --field
a name among numbers without --header|--delimiter\n,\n--field\n2,b\nAB|tallowmere-analyse: --field 'b': not a column number; a column name needs --header
a list ending in a comma|--delimiter\n,\n--field\n2,\nAB|tallowmere-analyse: option '--field' needs a column number or name
a group column of 0|--delimiter\n,\n--field\n2\n--group-by\n0\nAB|tallowmere-analyse: --group-by '0': columns are numbered from 1
a group name without --header|--delimiter\n,\n--field\n2\n--group-by\ng\nAB|tallowmere-analyse: --group-by 'g': not a column number; a column name needs --header
--all-fields with --entries|--entries\n--all-fields|tallowmere-analyse: --entries takes no --all-fields
a name not in the header, among others|--delimiter\n,\n--header\n--field\na,mass\nAB|tallowmere-analyse: AB: the header has no column 'mass'
a group name not in the header|--delimiter\n,\n--header\n--field\na\n--group-by\nteam\nAB|tallowmere-analyse: AB: the header has no column 'team'
TABLE

# --- each column of several reads as it does alone, in every locale: quoted
# fields, decimal commas and points, thousands separators, words.
printf 'Name;Gewicht;Größe;Notiz\n"Müller; Hans";61,5;1,68;n/a\nAnna;"70,25";1.80;x\nBen;1.234,5;1,75;3\r\nCem;12;;\n' \
  > "$tmp/de.csv"
for setting in LANG=de_DE.UTF-8 LC_ALL=en_US.UTF-8 LC_ALL=C; do
  in_locale() { env -u LC_ALL -u LC_NUMERIC -u LANG "$setting" timeout 60 "$bin/tallowmere-analyse" "$@" 2>/dev/null; }
  all=$(in_locale --delimiter ';' --header --all-fields --format tsv --more "$tmp/de.csv")
  check "$setting: the columns that hold numbers" "statistic	Gewicht	Größe	Notiz" "$(head -1 <<<"$all")"
  for k in 2 3 4; do
    name=$(head -1 <<<"$all" | cut -f "$k")
    check "$setting: $name as alone" "$(in_locale --delimiter ';' --header --field "$name" --format tsv --more "$tmp/de.csv")" \
      "$(tail -n +2 <<<"$all" | cut -f 1,"$k")"
  done
  check "$setting: text blocks as alone" \
    "$(in_locale --delimiter ';' --header --field Gewicht "$tmp/de.csv")" \
    "$(in_locale --delimiter ';' --header --field Gewicht,Größe "$tmp/de.csv" | sed -n '2,/^$/p' | sed '$d')"
done

# --- the figures of groups against datamash's: mean, median and the sample
# standard deviation of each group, to 12 significant digits.
awk 'BEGIN { srand(7); print "g,x"; for (i = 0; i < 300; i++) printf "%s,%.3f\n", substr("PQR", i % 3 + 1, 1), rand() * 100 - 20 }' \
  > "$tmp/many.csv"
ours=$(analyse --delimiter , --header --field x --group-by g --format tsv "$tmp/many.csv" |
  awk -F '\t' 'NR == 1 { for (i = 2; i <= NF; i++) name[i] = substr($i, 4) }
    $1 == "mean" || $1 == "median" || $1 == "standard_deviation" { for (i = 2; i <= NF; i++) v[name[i], $1] = $i }
    END { for (g = 1; g <= 3; g++) { n = substr("PQR", g, 1)
      printf "%s %.12g %.12g %.12g\n", n, v[n, "mean"], v[n, "median"], v[n, "standard_deviation"] } }')
theirs=$(datamash -t , -H -s -g 1 mean 2 median 2 sstdev 2 < "$tmp/many.csv" |
  awk -F , 'NR > 1 { printf "%s %.12g %.12g %.12g\n", $1, $2, $3, $4 }')
check "groups: mean, median and standard deviation as datamash's" "$theirs" "$ours"

exit $fail
