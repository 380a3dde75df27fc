#!/usr/bin/env bash
# The encoding of table files through the analyser: a file's own form (a
# mark, UTF-16 without one, Windows-1252 when its first block is no UTF-8)
# or --encoding's; the group names come out in UTF-8 and the figures are
# those of the same table saved as UTF-8.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 60 "$bin/tallowmere-analyse" "$@"; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# A German table as Calc saves it: ';', decimal commas, umlauts in a name and
# in a group.
printf 'Gewicht;Größe;Gruppe\n61,5;170;Süd\n70;180;Nord\n65,2;175;Süd\n' > "$tmp/utf8.csv"
iconv -f UTF-8 -t WINDOWS-1252 "$tmp/utf8.csv" > "$tmp/cp1252.csv"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$tmp/utf8.csv"; } > "$tmp/utf16-mark.csv"
iconv -f UTF-8 -t UTF-16BE "$tmp/utf8.csv" > "$tmp/utf16be.csv"
iconv -f UTF-8 -t UTF-32LE "$tmp/utf8.csv" > "$tmp/utf32le.csv"
# UTF-8 through the first block, then one stray byte: the first block says
# UTF-8, and the stray byte stays as it is.
# The first block is a mebibyte.
{ cat "$tmp/utf8.csv"; awk 'BEGIN { for (i = 0; i < 100000; i++) print "60;171;Nord" }'; printf '61;172;N\xf6rd\n'; } \
  > "$tmp/late.csv"

columns=(--delimiter ';' --header --field Größe --group-by Gruppe --format tsv --decimals 3)
want=$(analyse "${columns[@]}" "$tmp/utf8.csv")

# --- name | file | --encoding given (- for none) | what is compared: the same as the UTF-8 file's
while IFS='|' read -r name file encoding expected; do
  extra=(); [ "$encoding" != - ] && extra=(--encoding "$encoding")
  out=$(analyse "${columns[@]}" "${extra[@]}" "$tmp/$file" 2>"$tmp/err"); rc=$?
  check "$name" "$want" "$out"
  check "$name: exit status" 0 "$rc"
done <<'TABLE'
UTF-8 as it always was|utf8.csv|-|same
Windows-1252 found by its first block|cp1252.csv|-|same
Windows-1252 named|cp1252.csv|windows-1252|same
named in another spelling|cp1252.csv|CP_1252|same
UTF-16 with a mark|utf16-mark.csv|-|same
UTF-16 big-endian without a mark, named|utf16be.csv|UTF-16BE|same
UTF-32 little-endian, named|utf32le.csv|utf-32le|same
TABLE

# Asked for UTF-8, Windows-1252 bytes stay as they are.
check "Windows-1252 read as UTF-8 when asked: its bytes stay" \
  "$(printf 'statistic\tGr\xf6\xdfe: S\xfcd\tGr\xf6\xdfe: Nord')" \
  "$(analyse --delimiter ';' --header --field 2 --group-by 3 --format tsv --encoding utf-8 "$tmp/cp1252.csv" |
    head -1)"

# A file whose first block is UTF-8 stays UTF-8: the stray byte late in it is
# not decoded, and the group it names is its own.
check "UTF-8 through the first block: a late stray byte stays a byte" \
  "$(printf 'statistic\tGewicht: S\xc3\xbcd\tGewicht: Nord\tGewicht: N\xf6rd')" \
  "$(analyse --delimiter ';' --header --field 1 --group-by 3 --format tsv "$tmp/late.csv" 2>/dev/null | head -1)"

# Standard input is read once: the encoding must be named.
check "standard input, named" "$want" \
  "$(analyse "${columns[@]}" --encoding windows-1252 - < "$tmp/cp1252.csv")"

# --- usage errors: name | arguments | the first line of standard error
while IFS='|' read -r name args expected; do
  mapfile -t argv < <(printf '%b' "$args")
  analyse "${argv[@]}" "$tmp/utf8.csv" >/dev/null 2>"$tmp/err"; rc=$?
  check "$name" "$expected" "$(head -1 "$tmp/err")"
  check "$name: exit status" 2 "$rc"
done <<'TABLE'
an encoding not known|--field\n1\n--encoding\nlatin9|tallowmere-analyse: --encoding 'latin9': the encoding must be one of utf-8, utf-16le, utf-16be, utf-32le, utf-32be, windows-1252
without --field|--encoding\nutf-8|tallowmere-analyse: option '--encoding' needs --field
TABLE

exit "$fail"
