#!/usr/bin/env bash
# The command-line analyser as a script would use it: its output lines, its
# options, its exit codes and its error lines.
set -u
bin=$1
. "$(dirname "$0")/lib/check.sh"

expected=$expected_2445
check "entries from standard input" "$expected" "$(printf '2\n4\n4\n5\n' | "$bin/tallowmere-analyse" --entries)"
check "CR LF line ends and no final line end" "$expected" "$(printf '2\r\n4\r\n4\r\n5' | "$bin/tallowmere-analyse" --entries)"

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
printf '2\n4\n4\n5\n' > "$tmp/list.txt"
check "entries from a file" "$expected" "$("$bin/tallowmere-analyse" --entries "$tmp/list.txt")"

pop=$("$bin/tallowmere-analyse" --population --entries "$tmp/list.txt" | sed -n '8p;9p;11p;12p')
check "population" 'The variance is: 1.188
The skew is: -1.739
The standard deviation is: 1.09
The coefficient of variation is: 29.059 %' "$pop"

all=$(printf '1\n2\n3\n4\n' | "$bin/tallowmere-analyse" --all-decimals --entries | sed -n '8p;11p;12p')
check "all decimals" 'The variance is: 1.6666666667
The standard deviation is: 1.2909944487
The coefficient of variation is: 51.6397779494 %' "$all"

zero=$(printf '1\n2\n3\n4\n' | "$bin/tallowmere-analyse" --decimals 0 --entries | sed -n '7p;12p')
check "zero decimals" 'The mean is: 2
The coefficient of variation is: 52 %' "$zero"

# Empty lines are entries too (they read as 0), so only truly empty input is empty.
out=$(printf '' | "$bin/tallowmere-analyse" --entries 2>"$tmp/err"); rc=$?
check "empty input exit code" 1 "$rc"
check "empty input message" "You forgot to input numbers." "$(cat "$tmp/err")"
check "empty input prints no rows" "" "$out"

out=$(printf '5\n' | "$bin/tallowmere-analyse" --decimals x --entries 2>"$tmp/err"); rc=$?
check "bad decimals still analyses" 0 "$rc"
check "bad decimals error line" "tallowmere-analyse: --decimals 'x': Type mismatch" "$(cat "$tmp/err")"
check "bad decimals rows" 12 "$(printf '%s\n' "$out" | wc -l)"

check "blank line is an entry" "The number of entries is: 3" "$(printf '1\n\n2\n' | "$bin/tallowmere-analyse" --entries | head -1)"

"$bin/tallowmere-analyse" --bogus >/dev/null 2>&1; check "unknown option exit code" 2 "$?"

exit $fail
