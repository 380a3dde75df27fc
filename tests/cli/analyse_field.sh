#!/usr/bin/env bash
# One column of table files through the analyser: CSV as spreadsheets save it
# (quotes, decimal commas under a German locale), TSV, headers and column
# names, records with too few fields with and without --strict, an unclosed
# quote, standard input and folders, and the usage errors of the options.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 60 "$bin/tallowmere-analyse" "$@"; }
# The count and the sum, on one line.
count_sum() { sed -n '1s/^count\t//p; 2s/^sum\t//p' | paste -sd ' ' -; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# --- tables read, each with its standard error and exit status.
# name | environment | options (one per line) | the file's bytes | count sum | standard error | exit status
# The file is "$tmp/t"; "FILE" in the expected standard error stands for it.
while IFS='|' read -r name setting args bytes expected err rc; do
  printf '%b' "$bytes" > "$tmp/t"
  mapfile -t argv < <(printf '%b' "$args")
  env -u LC_ALL -u LC_NUMERIC -u LANG $setting timeout 60 "$bin/tallowmere-analyse" --format tsv "${argv[@]}" \
    "$tmp/t" >"$tmp/out" 2>"$tmp/err"
  got_rc=$?
  check "$name" "$expected" "$(count_sum <"$tmp/out")"
  check "$name: standard error" "$(printf '%b' "${err//FILE/$tmp/t}")" "$(cat "$tmp/err")"
  check "$name: exit status" "$rc" "$got_rc"
done <<'TABLE'
German CSV as LibreOffice Calc saves it|LANG=de_DE.UTF-8|--delimiter\n;\n--field\n2\n--header|Name;Gewicht;Größe\n"Müller; Hans";61,5;1,68\nAnna;70,25;1,80\nBen;1.234,5;1,75\n|3 1366.25||0
the German CSV's column by name|LANG=de_DE.UTF-8|--delimiter=;\n--header\n--field=Größe|Name;Gewicht;Größe\n"Müller; Hans";61,5;1,68\nAnna;70,25;1,80\n|2 3.48||0
the German CSV with CR LF and a mark, as saved on Windows|LC_ALL=de_DE.UTF-8|--delimiter\n;\n--field\nGewicht\n--header|\xef\xbb\xbfName;Gewicht\r\nA;61,5\r\nB;"70,5"\r\n|2 132||0
TSV, second column|LC_ALL=C|--field\n2|a\t1\nb\t2.5\n\nc\tn/a\n|2 3.5||0
CSV quoting: delimiter, doubled quote and line end in quotes|LC_ALL=C|--delimiter\n,\n--field\n3|"a,b","say ""hi""",1\n"two\nlines",x,2\r\n|2 3||0
header and a name with a comma|LC_ALL=C|--delimiter\n,\n--header\n--field\nweight, kg|id,"weight, kg"\n1,"61.5"\n2,70\n|2 131.5||0
a short line is told and skipped|LC_ALL=C|--delimiter\n,\n--field\n2|a,1\nb\nc,2\n|2 3|tallowmere-analyse: FILE: line 2: 1 field, too few for field 2; the record is skipped|0
a short line with --strict|LC_ALL=C|--delimiter\n,\n--field\n2\n--strict|a,1\nb\nc,2\n|2 3|tallowmere-analyse: FILE: line 2: 1 field, too few for field 2; the record is skipped|1
the line a record begins on, after quoted line ends|LC_ALL=C|--delimiter\n,\n--field\n3|"a\nb\nc",1,2\n"d\r\ne",3\n|1 2|tallowmere-analyse: FILE: line 4: 2 fields, too few for field 3; the record is skipped|0
a short line names the column|LC_ALL=C|--delimiter\n,\n--header\n--field\nv|k,v\n1,2\n3\n|1 2|tallowmere-analyse: FILE: line 3: 1 field, too few for the column 'v'; the record is skipped|0
empty lines at the end are no records|LC_ALL=C|--delimiter\n,\n--field\n2\n--strict|a,1\nb,2\n\n\r\n\n|2 3||0
an unclosed quote|LC_ALL=C|--delimiter\n,\n--field\n1|1\n2\n"3\n4\n|2 3|tallowmere-analyse: FILE: line 3: the quoted field begun here is not closed before the end of the file; it is left out|1
a CSV without --field is named|LC_ALL=C|--sample|name,weight\r\nann,61.5\r\n\nbob,70.2\r\n||You forgot to input numbers.\ntallowmere-analyse: FILE: its lines hold fields separated by ','; choose a column with --field N, or --header and --field NAME (and --delimiter ',')|1
a German CSV without --field: the semicolon|LANG=de_DE.UTF-8|--sample|Name;Gewicht\nA;61,5\nB;70,2\n||You forgot to input numbers.\ntallowmere-analyse: FILE: its lines hold fields separated by ';'; choose a column with --field N, or --header and --field NAME (and --delimiter ';')|1
a TSV without --field needs no --delimiter|LC_ALL=C|--sample|name\tweight\nann\t61.5 kg\n||You forgot to input numbers.\ntallowmere-analyse: FILE: its lines hold fields separated by '\\t'; choose a column with --field N, or --header and --field NAME|1
words without fields are no table|LC_ALL=C|--sample|name, weight\nann\n||You forgot to input numbers.|1
TABLE

# --- a field is read exactly as the same text on a line of a list file, in
# every locale: the whole results of the column and of the list agree, and
# what standard error says of each file (its name aside).
fields=('61,5' '1.234,5' '1,234.5' ' 7 ' '+3' '1e3' '2.5E-1' '-0' 'n/a' '' '12abc' '١٢' '1 234' '0x10' '(5)')
: > "$tmp/column.csv"; : > "$tmp/column.txt"
for f in "${fields[@]}"; do
  printf 'k;"%s";z\n' "$f" >> "$tmp/column.csv"
  printf '%s\n' "$f" >> "$tmp/column.txt"
done
for setting in LANG=de_DE.UTF-8 LC_ALL=en_US.UTF-8 LC_NUMERIC=fr_FR.UTF-8 LC_ALL=C; do
  in_locale() {
    env -u LC_ALL -u LC_NUMERIC -u LANG "$setting" timeout 60 "$bin/tallowmere-analyse" "$@" 2>&1 |
      sed "s|$tmp/column\\.[a-z]*|FILE|"
  }
  check "$setting: a column reads as a list file" "$(in_locale "$tmp/column.txt")" \
    "$(in_locale --delimiter ';' --field 2 "$tmp/column.csv")"
done

# --- the files of a folder and standard input, each read as a table.
mkdir "$tmp/tables"
printf 'k,v\na,1\n' > "$tmp/tables/one.csv"
printf 'k,v\nb,2\nc,3\n' > "$tmp/tables/two.csv"
check "a folder of tables" "3 6" "$(analyse --format tsv --delimiter , --header --field v "$tmp/tables" | count_sum)"
check "standard input as a table" "2 5" "$(printf 'x;2\ny;3\n' | analyse --format tsv --delimiter ';' --field 2 | count_sum)"
check "a table, standard input and a table" "4 11" \
  "$(printf 'k,v\nx,5\n' | analyse --format tsv --delimiter , --header --field v "$tmp/tables/one.csv" - \
    "$tmp/tables/two.csv" | count_sum)"
out=$(printf 'a,1\nb\n' | analyse --format tsv --delimiter , --field 2 2>"$tmp/err" | count_sum)
check "standard input: a short line is named" \
  "tallowmere-analyse: standard input: line 2: 1 field, too few for field 2; the record is skipped" "$(cat "$tmp/err")"
check "standard input: the rest is read" "1 1" "$out"

# A table read with the wrong delimiter: the first ten short records are told,
# then how many more there were.
seq 1 25 > "$tmp/many"
analyse --field 2 --delimiter , "$tmp/many" >/dev/null 2>"$tmp/err"
check "many short records: ten told, a count and the notice" "12" "$(wc -l < "$tmp/err")"
check "many short records: the count" "tallowmere-analyse: $tmp/many: 15 more records with too few fields skipped
You forgot to input numbers." "$(tail -2 "$tmp/err")"

# --entries is unchanged: its lines are typed entries, not tables.
check "--entries reads lines whole" "1 0" "$(printf 'a,1\n' | analyse --format tsv --entries | count_sum)"

# --- usage errors: the reason, then the short usage, on standard error only; exit 2.
printf 'a,b\n1,2\n' > "$tmp/ab.csv"
# name | arguments (one per line; FILE is a table with the header "a,b") | first line of standard error
while IFS='|' read -r name args message; do
  mapfile -t argv < <(printf '%b' "${args//FILE/$tmp/ab.csv}")
  out=$(analyse "${argv[@]}" </dev/null 2>"$tmp/err"); rc=$?
  check "$name: exit code" 2 "$rc"
  check "$name: nothing on standard output" "" "$out"
  check "$name: message" "${message//FILE/$tmp/ab.csv}" "$(head -1 "$tmp/err")"
  check "$name: usage follows" "usage: tallowmere-analyse [options] [PATH...]" "$(sed -n 2p "$tmp/err")"
done <<'TABLE'
a name without --header|--field\nweight\nFILE|tallowmere-analyse: --field 'weight': not a column number; a column name needs --header
field 0|--field\n0\nFILE|tallowmere-analyse: --field '0': columns are numbered from 1
a negative field|--field=-1\nFILE|tallowmere-analyse: --field '-1': columns are numbered from 1
a negative field with --header|--header\n--field=-2\nFILE|tallowmere-analyse: --field '-2': columns are numbered from 1
a field beyond any count|--field\n99999999999999999999999\nFILE|tallowmere-analyse: --field '99999999999999999999999': no table has that many columns
an empty field|--field=\nFILE|tallowmere-analyse: option '--field' needs a column number or name
--field without its value|--field|tallowmere-analyse: option '--field' needs a value
--delimiter without its value|--field\n1\n--delimiter|tallowmere-analyse: option '--delimiter' needs a value
a delimiter of two characters|--field\n1\n--delimiter\nab\nFILE|tallowmere-analyse: --delimiter 'ab': the delimiter must be one character
an empty delimiter|--field\n1\n--delimiter=\nFILE|tallowmere-analyse: --delimiter '': the delimiter must be one character
a delimiter beyond ASCII|--field\n1\n--delimiter\n§\nFILE|tallowmere-analyse: --delimiter '§': the delimiter must be an ASCII character
the quote as delimiter|--field\n1\n--delimiter\n"\nFILE|tallowmere-analyse: --delimiter '"': the quote cannot be the delimiter
--header without --field|--header\nFILE|tallowmere-analyse: option '--header' needs --field
--delimiter without --field|--delimiter\n,\nFILE|tallowmere-analyse: option '--delimiter' needs --field
--strict without --field|--strict\nFILE|tallowmere-analyse: option '--strict' needs --field
--field with --entries|--entries\n--field\n1|tallowmere-analyse: --entries takes no --field
a name not in the header|--delimiter\n,\n--header\n--field\nweight\nFILE|tallowmere-analyse: FILE: the header has no column 'weight'
TABLE

# '\t' is the tab, as awk and pandas write it.
check "--delimiter '\\t'" "2 3" "$(printf 'a\t1\nb\t2\n' | analyse --format tsv --delimiter '\t' --field 2 | count_sum)"

exit $fail
