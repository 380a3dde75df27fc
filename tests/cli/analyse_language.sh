#!/usr/bin/env bash
# The analyser in the user's language: its rows and messages follow
# LANGUAGE, LC_ALL, LC_MESSAGES and LANG as desktop programs do; numbers keep
# the locale's separators, and the keys of tsv and json never change.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
printf '2\n4\n4\n5\n' > "$tmp/list.txt"
printf 'name,weight\nann,61.5\nbob,70.2\n' > "$tmp/table.csv"
: > "$tmp/empty.txt"

# Runs the analyser with only the variables given (VAR=value ...) set for the
# language, then the analyser's arguments after "--".
in_env() {
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG -u LC_NUMERIC "${vars[@]}" "$bin/tallowmere-analyse" "$@" 2>&1
}

# variables | arguments | the line expected | its line number in the output
while IFS='|' read -r vars args expected line; do
  read -ra v <<<"$vars"
  read -ra a <<<"${args//FILE/$tmp/list.txt}"
  a=("${a[@]//EMPTY/$tmp/empty.txt}")
  a=("${a[@]//MISSING/$tmp/missing.txt}")
  a=("${a[@]//TABLE/$tmp/table.csv}")
  got=$(in_env "${v[@]}" -- "${a[@]}" | sed -n "${line}p")
  check "$vars $args" "${expected//TMP/$tmp}" "$got"
done <<'TABLE'
LANG=de_DE.UTF-8|FILE|Die Anzahl der Einträge ist: 4|1
LANG=de_DE.UTF-8|FILE|Der Mittelwert ist: 3,75|7
LANG=de_DE.UTF-8 LANGUAGE=en|FILE|The mean is: 3,75|7
LANG=de_DE.UTF-8 LANGUAGE=sv:de|FILE|Der Mittelwert ist: 3,75|7
LC_ALL=de_DE.UTF-8|FILE|Der Mittelwert ist: 3,75|7
LANG=en_US.UTF-8 LC_MESSAGES=de_DE.UTF-8|FILE|Der Mittelwert ist: 3.75|7
LANG=C LANGUAGE=de|FILE|The mean is: 3.75|7
LANG=sv_SE.UTF-8|FILE|The mean is: 3,75|7
LANG=de_DE.UTF-8|--format tsv FILE|mean	3.75|7
LANG=de_DE.UTF-8|--format json FILE|{"count":4,"sum":15,"sum_squared":225,"sum_of_squares":61,"mode":[4],"median":4,"mean":3.75,"variance":1.5833333333333333,"skew":-1.1293381149712478,"average_deviation":0.875,"standard_deviation":1.2583057392117916,"coefficient_of_variation":33.55481971231444}|1
LANG=de_DE.UTF-8|--more FILE|Die Spannweite ist: 3|15
LANG=de_DE.UTF-8|MISSING|tallowmere-analyse: TMP/missing.txt: Datei nicht gefunden|1
LANG=de_DE.UTF-8|EMPTY|Sie haben keine Zahlen eingegeben.|1
LANG=de_DE.UTF-8 LANGUAGE=en|EMPTY|You forgot to input numbers.|1
LANG=de_DE.UTF-8|TABLE|tallowmere-analyse: TMP/table.csv: die Zeilen enthalten durch »,« getrennte Felder; wählen Sie eine Spalte mit --field N oder mit --header und --field NAME (und --delimiter ',')|2
LANG=de_DE.UTF-8|--percentile 50 --quantile-method exclusive FILE|Die Quantilmethode ist: Exklusiv (Tabellenkalkulation QUARTILE.EXKL, SPSS, Minitab, R-Typ 6)|13
TABLE
exit $fail
