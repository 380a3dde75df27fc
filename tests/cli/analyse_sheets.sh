#!/usr/bin/env bash
# Spreadsheets through the analyser, told by their content whatever their
# names: the lab table saved by LibreOffice Calc as .ods and .xlsx reads
# exactly as its CSV, one column, several and by groups; --sheet by number and
# by name; a spreadsheet without --field names the options that read it; an
# old .xls and a damaged workbook are told, never read as text.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 60 "$bin/tallowmere-analyse" "$@"; }
command -v soffice >/dev/null || { echo "soffice is not installed: LibreOffice Calc writes the files"; exit 77; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
printf 'id,weight,height,group\n1,61.5,170,A\n2,70.2,165,B\n3,n/a,181,A\n4,58,172,B\n5,66.6,168,A\n' > "$tmp/lab.csv"
for kind in ods xlsx xls; do
  timeout 180 soffice -env:UserInstallation="file://$tmp/profile" --headless --convert-to "$kind" --outdir "$tmp" \
    "$tmp/lab.csv" >/dev/null 2>&1
done
[ -s "$tmp/lab.ods" ] && [ -s "$tmp/lab.xlsx" ] && [ -s "$tmp/lab.xls" ] || { echo "FAIL: Calc wrote no files"; exit 1; }
# Named as something else, a workbook is still one.
cp "$tmp/lab.xlsx" "$tmp/lab-data.txt"
# A workbook cut short, as a download that stopped.
head -c 3000 "$tmp/lab.xlsx" > "$tmp/cut.xlsx"

# --- the same results as the CSV: name | arguments after the file's (one per line)
while IFS='|' read -r name args; do
  mapfile -t argv < <(printf '%b' "$args")
  want=$(analyse --delimiter , "${argv[@]}" "$tmp/lab.csv" 2>&1; echo "rc $?")
  for file in lab.ods lab.xlsx lab-data.txt; do
    check "$name: $file" "$want" "$(analyse "${argv[@]}" "$tmp/$file" 2>&1; echo "rc $?")"
  done
done <<'TABLE'
one column by name|--header\n--field\nweight
one column by number|--field\n3
two columns in tsv|--header\n--field\nweight,height\n--format\ntsv
every column in json|--header\n--all-fields\n--format\njson
weight by group|--header\n--field\nweight\n--group-by\ngroup\n--format\ntsv
the first sheet by number|--header\n--field\nweight\n--sheet\n1
TABLE

# --- what is told: name | arguments (FILE is the workbook) | exit status | the first line of standard error
# but "You forgot to input numbers."
while IFS='|' read -r name args rc message; do
  mapfile -t argv < <(printf '%b' "${args//FILE/$tmp/lab.xlsx}")
  argv=("${argv[@]//XLS/$tmp/lab.xls}")
  argv=("${argv[@]//CUT/$tmp/cut.xlsx}")
  analyse "${argv[@]}" >/dev/null 2>"$tmp/err"; got=$?
  check "$name: exit status" "$rc" "$got"
  check "$name: message" "$message" "$(grep -v '^You forgot' "$tmp/err" | head -1 | sed "s|$tmp/|DIR/|")"
done <<'TABLE'
a sheet that is not there|--header\n--field\nweight\n--sheet\n2\nFILE|1|tallowmere-analyse: DIR/lab.xlsx: the spreadsheet has no sheet '2'
a sheet name that is not there|--header\n--field\nweight\n--sheet\nresults\nFILE|1|tallowmere-analyse: DIR/lab.xlsx: the spreadsheet has no sheet 'results'
no --field: how to read it|FILE|1|tallowmere-analyse: DIR/lab.xlsx: it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)
an old .xls|--header\n--field\nweight\nXLS|1|tallowmere-analyse: DIR/lab.xls: a workbook of the old .xls form cannot be read; save it as .xlsx or .ods
a workbook cut short|--header\n--field\nweight\nCUT|1|tallowmere-analyse: DIR/cut.xlsx: the spreadsheet is damaged or cut short
--sheet without --field|--sheet\n1\nFILE|2|tallowmere-analyse: option '--sheet' needs --field
--sheet 0|--field\n1\n--sheet\n0\nFILE|2|tallowmere-analyse: --sheet '0': sheets are numbered from 1
TABLE
exit $fail
