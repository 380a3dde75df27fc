#!/usr/bin/env bash
# The analyser on lists large enough for its two-thread paths (reading,
# leading numbers, sort, engine): the same results whichever way the list is
# read, and the totals that whole numbers let us check exactly.
set -u
bin=$1
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 120 "$bin/tallowmere-analyse" "$@"; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# 400,000 whole numbers with CR LF line ends and none after the last.
awk 'BEGIN { srand(7); for (i = 0; i < 400000; i++) printf "%d\r\n", int(rand() * 2001) - 1000 }' > "$tmp/full.txt"
head -c -2 "$tmp/full.txt" > "$tmp/ints.txt"

entries=$(analyse --entries "$tmp/ints.txt")
check "entries from standard input as from the file" "$entries" "$(analyse --entries < "$tmp/ints.txt")"
check "read as a list file" "$entries" "$(analyse "$tmp/ints.txt")"
check "a list file on standard input" "$entries" "$(analyse < "$tmp/ints.txt")"

# Sums of whole numbers this small are exact in any order.
want=$(tr -d '\r' < "$tmp/ints.txt" | awk '{ n++; s += $1; q += $1 * $1 }
  END { printf "The number of entries is: %d\nThe sum of the numbers are: %.15g\nThe sum squared is: %.15g\nThe sum of squares is: %.15g\n", n, s, s * s, q }')
check "count and totals" "$want" "$(printf '%s\n' "$entries" | head -4)"
median=$(tr -d '\r' < "$tmp/ints.txt" | sort -n | awk '{ v[NR] = $1 } END { printf "The median is: %.15g\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
check "median" "$median" "$(printf '%s\n' "$entries" | sed -n '6p')"

# Entries beyond the double range read as 0 and are reported in list order,
# from both halves of the list.
awk 'BEGIN { for (i = 0; i < 300000; i++) { if (i == 17) print "1E999"; else if (i == 250000) print "-2D400"; else if (i == 299999) print "9e9999"; else print i % 100 } }' > "$tmp/over.txt"
out=$(analyse --entries "$tmp/over.txt" 2>"$tmp/err")
check "overflowing entries: one report each, in list order" "tallowmere-analyse: an entry: Overflow
tallowmere-analyse: an entry: Overflow
tallowmere-analyse: an entry: Overflow" "$(cat "$tmp/err")"
sum=$(awk 'BEGIN { for (i = 0; i < 300000; i++) if (i != 17 && i != 250000 && i != 299999) s += i % 100; printf "The sum of the numbers are: %.15g\n", s }')
check "overflowing entries count as 0" "$sum" "$(printf '%s\n' "$out" | sed -n '2p')"

# More numbers than the analyser keeps in one array without room made for
# them (a pipe gives no size): the rest go to blocks, joined in list order
# when the analysis takes them, text entries among them.
awk 'BEGIN { for (i = 0; i < 2500000; i++) { if (i % 400000 == 7) print "abc"; else printf "%.2f\n", (i * 7919 % 100003) / 100 } }' > "$tmp/many.txt"
check "entries through a pipe as from the file" "$(analyse --entries "$tmp/many.txt")" "$(cat "$tmp/many.txt" | analyse --entries)"
check "a list file through a pipe as the file" "$(analyse "$tmp/many.txt")" "$(cat "$tmp/many.txt" | analyse)"
# A second file beyond the room made for the first.
check "two files as the one list they make" "$(cat "$tmp/full.txt" "$tmp/many.txt" | analyse)" \
  "$(analyse "$tmp/full.txt" "$tmp/many.txt")"

exit $fail
