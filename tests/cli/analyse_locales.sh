#!/usr/bin/env bash
# List files of each line form (plain, English grouping, the decimal comma,
# Arabic-Indic digits, each locale's own way) through the analyser under each
# locale: which lines are numbers, what they sum to, and the line on standard
# error that names the lines read in the other decimal convention.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
# The count and the sum, on one line.
count_sum() { sed -n '1s/^count\t//p; 2s/^sum\t//p' | paste -sd ' ' -; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
forgot='You forgot to input numbers.'
# Lines that all hold a comma, none of them a number here: they may be a table.
table_hint="tallowmere-analyse: FILE: its lines hold fields separated by ','; choose a column with --field N, or --header and --field NAME (and --delimiter ',')"

# locale | the file's bytes | count sum | standard error ("FILE" is the file) | exit status
while IFS='|' read -r locale bytes expected err rc; do
  printf '%b' "$bytes" > "$tmp/list.txt"
  env -u LC_ALL -u LC_NUMERIC LANG="$locale.UTF-8" timeout 60 "$bin/tallowmere-analyse" --format tsv \
    "$tmp/list.txt" >"$tmp/out" 2>"$tmp/err"
  got_rc=$?
  name="$locale, $(printf '%b' "$bytes" | head -1)"
  check "$name" "$expected" "$(count_sum <"$tmp/out")"
  check "$name: standard error" "$(printf '%b' "${err//FILE/$tmp/list.txt}")" "$(cat "$tmp/err")"
  check "$name: exit status" "$rc" "$got_rc"
done <<TABLE
en_US|2.5\n3.5\n|2 6||0
de_DE|2.5\n3.5\n|2 6|tallowmere-analyse: FILE: 2 lines were read with a decimal point (first: "2.5")|0
de_CH|2.5\n3.5\n|2 6||0
fr_FR|2.5\n3.5\n|2 6|tallowmere-analyse: FILE: 2 lines were read with a decimal point (first: "2.5")|0
hi_IN|2.5\n3.5\n|2 6||0
ar_EG|2.5\n3.5\n|2 6||0
fa_IR|2.5\n3.5\n|2 6||0
C|2.5\n3.5\n|2 6||0
en_US|1,234.5\n12,345.25\n|2 13579.75||0
de_DE|1,234.5\n12,345.25\n|2 13579.75|tallowmere-analyse: FILE: 2 lines were read with a decimal point (first: "1,234.5")|0
de_CH|1,234.5\n12,345.25\n||$forgot\n$table_hint|1
hi_IN|1,234.5\n12,345.25\n|2 13579.75||0
ar_EG|1,234.5\n12,345.25\n||$forgot\n$table_hint|1
C|1,234.5\n12,345.25\n|2 13579.75||0
en_US|71,2\n72,15\n1,2345\n1.234,5\n|4 1379.0845|tallowmere-analyse: FILE: 4 lines were read with a decimal comma (first: "71,2")|0
de_DE|71,2\n72,15\n1,2345\n1.234,5\n|4 1379.0845||0
de_CH|71,2\n72,15\n1,2345\n1.234,5\n|4 1379.0845|tallowmere-analyse: FILE: 4 lines were read with a decimal comma (first: "71,2")|0
fr_FR|71,2\n72,15\n1,2345\n|3 144.58450000000002||0
hi_IN|71,2\n72,15\n1,2345\n|3 144.58450000000002|tallowmere-analyse: FILE: 3 lines were read with a decimal comma (first: "71,2")|0
ar_EG|71,2\n72,15\n|2 143.35000000000002|tallowmere-analyse: FILE: 2 lines were read with a decimal comma (first: "71,2")|0
C|71,2\n72,15\n1,2345\n|3 144.58450000000002|tallowmere-analyse: FILE: 3 lines were read with a decimal comma (first: "71,2")|0
en_US|1,234\n|1 1234||0
de_DE|1,234\n|1 1.234||0
de_CH|1,234\n||$forgot|1
en_US|\xd9\xa2\xd9\xab\xd9\xa5\n||$forgot|1
ar_EG|2.5\n3.5\n\xd9\xa2\xd9\xab\xd9\xa5\n|3 8.5||0
fa_IR|2.5\n3.5\n\xd9\xa2\xd9\xab\xd9\xa5\n|2 6||0
fa_IR|\xdb\xb2\xd9\xab\xdb\xb5\n|1 2.5||0
hi_IN|12,34,567.5\n|1 1234567.5||0
en_US|12,34,567.5\n|1 1234567.5||0
de_CH|1\xe2\x80\x99234.5\n|1 1234.5||0
fr_FR|1\xe2\x80\xaf234,5\n|1 1234.5||0
TABLE

# The analyser's column (--field) reads its fields as list lines, and says so
# once per file.
printf 'k;71,2\nk;1,5\n' > "$tmp/t.csv"
check "a column with decimal commas" "2 72.7" \
  "$(env -u LC_ALL LANG=en_US.UTF-8 "$bin/tallowmere-analyse" --format tsv --delimiter ';' --field 2 "$tmp/t.csv" 2>/dev/null | count_sum)"
check "a column with decimal commas: standard error" \
  "tallowmere-analyse: $tmp/t.csv: 2 lines were read with a decimal comma (first: \"71,2\")" \
  "$(env -u LC_ALL LANG=en_US.UTF-8 "$bin/tallowmere-analyse" --format tsv --delimiter ';' --field 2 "$tmp/t.csv" 2>&1 >/dev/null)"
exit $fail
