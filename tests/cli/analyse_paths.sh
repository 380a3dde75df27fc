#!/usr/bin/env bash
# The analyser reading list files, folders and standard input the way the
# window loads and drops them.
set -u
bin=$1
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 60 "$bin/tallowmere-analyse" "$@"; }

expected=$expected_2445

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
printf '2\n\nabc\n 4 \r\n4\r5' > "$tmp/list.txt"
check "a list file: every line end, skipped lines" "$expected" "$(analyse "$tmp/list.txt")"
check "standard input as one list file" "$expected" "$(printf '2\r\n4\nnot a number\n4\r5\n' | analyse)"

printf '2\n4\n' > "$tmp/first.txt"
printf '4\n5\n' > "$tmp/second.txt"
check "several files" "$expected" "$(analyse "$tmp/first.txt" "$tmp/second.txt")"

mkdir -p "$tmp/tree/B/D" "$tmp/tree/C"
printf '2\n' > "$tmp/tree/a.txt"
printf '100\n' > "$tmp/tree/~a.txt"     # names starting with "~" are not taken
printf '100\n' > "$tmp/tree/.hidden"    # nor hidden files the user may write
printf '4\n' > "$tmp/tree/B/b.txt"
printf '4\n' > "$tmp/tree/C/c.txt"
printf '5\n' > "$tmp/tree/B/D/d.txt"
ln -s "$tmp/tree" "$tmp/tree/B/D/loop"  # not followed inside the tree
check "a folder tree" "$expected" "$(analyse "$tmp/tree")"

# What cannot be read is told, one line naming it, and the rest is read.
mkfifo "$tmp/pipe"
ln -s /dev/null "$tmp/null-link"
# name | the path between first.txt and second.txt | standard error
while IFS='|' read -r name path message; do
  out=$(analyse "$tmp/first.txt" "$tmp/$path" "$tmp/second.txt" 2>"$tmp/err"); rc=$?
  check "$name: the rest is read" "$expected" "$out"
  check "$name: message" "tallowmere-analyse: $tmp/$message" "$(cat "$tmp/err")"
  check "$name: exit code" 1 "$rc"
done <<'TABLE'
a missing file|missing.txt|missing.txt: File not found
a FIFO|pipe|pipe: not a regular file
a character device by a link|null-link|null-link: not a regular file
TABLE
# A name with a line end or an escape sequence stays on its line, escaped.
analyse "$tmp/gone
"$'\e'"[31m.txt" 2>"$tmp/err" >/dev/null
check "a missing file with control characters in its name" "tallowmere-analyse: $tmp/gone\\n\\x1b[31m.txt: File not found
You forgot to input numbers." "$(cat "$tmp/err")"

# Files saved by Windows editors and tools begin with a byte-order mark.
count_and_sum() { analyse "$@" | head -n 2; }
expected_105='The number of entries is: 3
The sum of the numbers are: 105'
printf '\xef\xbb\xbf100\n2\n3\n' > "$tmp/utf8-mark.txt"
printf '\xff\xfe1\x000\x000\x00\r\x00\n\x002\x00\r\x00\n\x003\x00\r\x00\n\x00' > "$tmp/utf16le.txt"
printf '\xfe\xff\x001\x000\x000\x00\n\x002\x00\n\x003' > "$tmp/utf16be.txt"
printf '\xff\xfe\x00\x001\x00\x00\x000\x00\x00\x000\x00\x00\x00\n\x00\x00\x002\x00\x00\x00\n\x00\x00\x003\x00\x00\x00' > "$tmp/utf32le.txt"
printf '\x00\x00\xfe\xff\x00\x00\x001\x00\x00\x000\x00\x00\x000\x00\x00\x00\r\x00\x00\x00\n\x00\x00\x002\x00\x00\x00\n\x00\x00\x003' > "$tmp/utf32be.txt"
printf '1\x000\x000\x00\n\x002\x00\n\x003\x00\n\x00' > "$tmp/utf16le-unmarked.txt"
printf '\x001\x000\x000\x00\r\x00\n\x002\x00\r\x00\n\x003' > "$tmp/utf16be-unmarked.txt"
check "a UTF-8 file with a byte-order mark" "$expected_105" "$(count_and_sum "$tmp/utf8-mark.txt")"
check "a UTF-16 LE file" "$expected_105" "$(count_and_sum "$tmp/utf16le.txt")"
check "a UTF-16 BE file" "$expected_105" "$(count_and_sum "$tmp/utf16be.txt")"
check "UTF-16 LE on standard input" "$expected_105" "$(count_and_sum - < "$tmp/utf16le.txt")"
check "a UTF-32 LE file" "$expected_105" "$(count_and_sum "$tmp/utf32le.txt")"
check "a UTF-32 BE file" "$expected_105" "$(count_and_sum "$tmp/utf32be.txt")"
check "a UTF-16 LE file without a mark" "$expected_105" "$(count_and_sum "$tmp/utf16le-unmarked.txt")"
check "a UTF-16 BE file without a mark" "$expected_105" "$(count_and_sum "$tmp/utf16be-unmarked.txt")"
check "UTF-16 without a mark on standard input" "$expected_105" "$(count_and_sum < "$tmp/utf16be-unmarked.txt")"
# 32-bit integers whose bytes hold digits and line ends, NUL bytes between:
# no UTF-16, and no numbers.
printf '1\x00\x00\x00\n\x00\x00\x002\x00\x00\x00\n\x00\x00\x00' > "$tmp/int32.bin"
analyse "$tmp/int32.bin" >/dev/null 2>"$tmp/err"
check "a binary file with NUL bytes gives no numbers" "You forgot to input numbers." "$(cat "$tmp/err")"
check "a UTF-8 mark on standard input" "$expected_105" "$(count_and_sum < "$tmp/utf8-mark.txt")"
printf '100\n\xef\xbb\xbf2\n3\n' > "$tmp/mark-later.txt"
check "a mark after the start is text" 'The number of entries is: 2
The sum of the numbers are: 103' "$(count_and_sum "$tmp/mark-later.txt")"

# A list file counts as its writer meant it, in the locale the analyser runs
# under; lines of --entries are typed and keep the leading-number rules.
# environment | the file's lines | tsv sum of the file | tsv sum of --entries
while IFS='|' read -r setting lines file_sum typed_sum; do
  printf "$lines" > "$tmp/locale.csv"
  in_locale() { env -u LC_ALL -u LC_NUMERIC -u LANG "$setting" timeout 60 "$bin/tallowmere-analyse" --format tsv "$@" 2>/dev/null | sed -n 2p; }
  check "$setting: a list file" "sum	$file_sum" "$(in_locale "$tmp/locale.csv")"
  check "$setting: --entries" "sum	$typed_sum" "$(in_locale --entries "$tmp/locale.csv")"
done <<'TABLE'
LANG=en_US.UTF-8|Amount\n1,234.5\n12,345\n2.5\n|13582|15.5
LC_ALL=en_US.UTF-8|1,5\n2\n|3.5|3
LANG=de_DE.UTF-8|Gewicht\r\n61,5\r\n70,25\r\n1.234,5\r\n1.5\r\n|1367.75|133.734
LC_NUMERIC=de_DE.UTF-8|1.234.567\n1.234\n|1234568.234|2.468
LC_ALL=C|1,234.5\n2\n|1236.5|3
TABLE

analyse --entries "$tmp/first.txt" "$tmp/second.txt" >/dev/null 2>&1
check "--entries takes no PATHs" 2 "$?"

# A folder that may not be listed is named and fails the run, where the window
# leaves it out without a word; the rest of the tree is still read. Root may
# list any folder, so as root the case runs as nobody.
skipped=
as_user=()
if [ "$(id -u)" = 0 ]; then
  if command -v setpriv >/dev/null; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  elif command -v runuser >/dev/null; then
    as_user=(runuser -u nobody --)
  else
    skipped="an unlistable folder: running as root, and neither setpriv nor runuser can drop the privileges"
  fi
fi
if [ -z "$skipped" ]; then
  chmod 755 "$tmp"
  mkdir -p "$tmp/locked/Closed" "$tmp/locked/Open"
  printf '2\n4\n' > "$tmp/locked/a.txt"
  printf '4\n5\n' > "$tmp/locked/Open/o.txt"
  printf '100\n' > "$tmp/locked/Closed/c.txt"
  chmod 000 "$tmp/locked/Closed"
  as_nobody() { timeout 60 "${as_user[@]}" "$bin/tallowmere-analyse" "$@"; }
  closed_message="tallowmere-analyse: $tmp/locked/Closed: cannot read the folder: Permission denied"
  out=$(as_nobody "$tmp/locked" 2>"$tmp/err"); rc=$?
  check "a tree with an unlistable folder: the rest is read" "$expected" "$out"
  check "the unlistable folder's message" "$closed_message" "$(cat "$tmp/err")"
  check "the unlistable folder's exit code" 1 "$rc"
  out=$(as_nobody "$tmp/locked/Closed" "$tmp/first.txt" "$tmp/second.txt" 2>"$tmp/err"); rc=$?
  check "an unlistable folder given as a PATH" "$expected" "$out"
  check "the unlistable PATH's message" "$closed_message" "$(cat "$tmp/err")"
  check "the unlistable PATH's exit code" 1 "$rc"
  chmod 755 "$tmp/locked/Closed"
fi

if [ "$fail" = 0 ] && [ -n "$skipped" ]; then
  echo "SKIP: $skipped"
  exit 77
fi
exit $fail
