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

# Decimal places that are no number would round to no places at all without
# a word: the command line is refused instead.
out=$(printf '5\n' | "$bin/tallowmere-analyse" --decimals x --entries 2>"$tmp/err"); rc=$?
check "bad decimals exit code" 2 "$rc"
check "bad decimals error line" "tallowmere-analyse: --decimals 'x': not a number of decimal places" "$(head -1 "$tmp/err")"
check "bad decimals rows" "" "$out"

check "blank line is an entry" "The number of entries is: 3" "$(printf '1\n\n2\n' | "$bin/tallowmere-analyse" --entries | head -1)"

# Entries that are not numbers count all the same, but never silently: one
# line on standard error, the exit code unchanged.
out=$(printf '10\n20\nn/a\n' | "$bin/tallowmere-analyse" --entries 2>"$tmp/err"); rc=$?
check "a word entry exit code" 0 "$rc"
check "a word entry counts as 0" 'The number of entries is: 3
The mean is: 10' "$(printf '%s\n' "$out" | sed -n '1p;7p')"
check "a word entry is named" 'tallowmere-analyse: 1 entry is not a number and counts as 0: "n/a".' "$(cat "$tmp/err")"
printf '1\n 2 \n-3e1\n42 kg\n\nx\ty\n\001\nz\n' | "$bin/tallowmere-analyse" --entries >/dev/null 2>"$tmp/err"
check "several are named, the first three" \
  'tallowmere-analyse: 5 entries are not numbers; the first 3 count as 42, 0 and 0: "42 kg", "", "x\ty".' "$(cat "$tmp/err")"
printf '1\n2.5\n 7 \n1e3\n' | "$bin/tallowmere-analyse" --entries >/dev/null 2>"$tmp/err"
check "numbers only: nothing said" "" "$(cat "$tmp/err")"

"$bin/tallowmere-analyse" --bogus >/dev/null 2>&1; check "unknown option exit code" 2 "$?"

# A result row whose own step failed shows "#Div/0!" (a JSON string), never
# what an earlier step or row left; every failing step is still reported.
report() { printf 'tallowmere-analyse: %s\n' "$@"; }
is_json() { ! command -v python3 >/dev/null || printf '%s' "$1" | python3 -c 'import json, sys; json.load(sys.stdin)'; }
for method in --sample --population; do
  out=$(printf '1e308\n1e308\n' | "$bin/tallowmere-analyse" "$method" --format json 2>"$tmp/err"); rc=$?
  check "sum overflow $method exit code" 0 "$rc"
  check "sum overflow $method json" '{"count":2,"mode":[1E+308],"mean":"#Div/0!","variance":"#Div/0!","skew":"#Div/0!","average_deviation":"#Div/0!","standard_deviation":"#Div/0!","coefficient_of_variation":"#Div/0!"}' "$out"
  is_json "$out"; check "sum overflow $method is valid json" 0 "$?"
  check "sum overflow $method reports" "$(report 'the sum: Overflow' 'the sum squared: Overflow' \
    'the sum of squares: Overflow' 'the median: Overflow' 'the mean: Overflow' 'the mean: Type mismatch' \
    'the average deviation: Overflow')" "$(cat "$tmp/err")"
done

out=$(printf '1e308\n-1e308\n' | "$bin/tallowmere-analyse" --format tsv 2>"$tmp/err")
check "deviations overflow tsv" "$(printf '%s\t%s\n' count 2 sum 0 sum_squared 0 mode None median 0 mean 0 \
  variance '#Div/0!' skew '#Div/0!' average_deviation '#Div/0!' standard_deviation '#Div/0!' \
  coefficient_of_variation '#Div/0!')" "$out"
check "deviations overflow reports" "$(report 'the sum of squares: Overflow' 'the average deviation: Overflow')" "$(cat "$tmp/err")"

# The largest double: its mean reads back beyond the range in the value step.
out=$(printf '1.7976931348623157E308\n' | "$bin/tallowmere-analyse" --population 2>"$tmp/err" | sed -n '5p;6p;10p')
check "largest double rows" 'The mean is: #Div/0!
The variance is: 0
The coefficient of variation is: 0 %' "$out"
check "largest double reports" "$(report 'the sum squared: Overflow' 'the sum of squares: Overflow' 'the mean: Overflow')" "$(cat "$tmp/err")"

# Only the variance's rounding (to -308 places) fails; the mean's row left 0.
out=$(printf -- '-8.945e153\n8.945e153\n' | "$bin/tallowmere-analyse" --decimals -308 --format json 2>"$tmp/err")
check "variance rounding json" '{"count":2,"sum":0,"sum_squared":0,"sum_of_squares":1.6002605E+308,"mode":[],"median":0,"mean":0,"variance":"#Div/0!","skew":"#Div/0!","average_deviation":0,"standard_deviation":0,"coefficient_of_variation":"#Div/0!"}' "$out"
is_json "$out"; check "variance rounding is valid json" 0 "$?"
check "variance rounding report" "$(report 'the variance: Overflow')" "$(cat "$tmp/err")"

# --more: the rows after the twelve, in every format; the interval only for
# a sample, "#Div/0!" where a value is undefined, never an error report. The
# robust statistics as R has them: exp(mean(log(x))), 1/mean(1/x),
# mean(x, trim = 0.05), mad(x, constant = 1), mad(x).
too_few='Too few numbers for a confidence interval of the median at this level'
robust_rows="The geometric mean is: 3.557
The harmonic mean is: 3.333
The 5 % trimmed mean is: 3.75
The median absolute deviation is: 0.5
The scaled median absolute deviation is: 0.741
The median's 95 % confidence interval's low end is: $too_few
The median's 95 % confidence interval's high end is: $too_few
The median's interval's actual coverage is: $too_few"
more_rows='The minimum is: 2
The maximum is: 5
The range is: 3
The first quartile is: 3.5
The third quartile is: 4.25
The interquartile range is: 0.75
The kurtosis is: 2.227
The standard error of the mean is: 0.629
The 95 % confidence interval'"'"'s low end is: 1.748
The 95 % confidence interval'"'"'s high end is: 5.752'
out=$("$bin/tallowmere-analyse" --more "$tmp/list.txt" 2>"$tmp/err")
check "more text" "$expected
$more_rows
$robust_rows" "$out"
check "more text reports nothing" "" "$(cat "$tmp/err")"
out=$("$bin/tallowmere-analyse" --more --population --decimals 2 --format tsv "$tmp/list.txt" | tail -n +13)
check "more population tsv" "$(printf '%s\t%s\n' minimum 2 maximum 5 range 3 first_quartile 3.5 third_quartile 4.25 \
  interquartile_range 0.75 kurtosis -0.9 standard_error 0.54 geometric_mean 3.56 harmonic_mean 3.33 trimmed_mean 3.75 \
  mad 0.5 mad_scaled 0.74 median_ci95_low "$too_few" median_ci95_high "$too_few" median_ci95_coverage "$too_few")" "$out"
out=$(printf '7\n' | "$bin/tallowmere-analyse" --more --format json 2>"$tmp/err")
check "more json of one number" '{"count":1,"sum":7,"sum_squared":49,"sum_of_squares":49,"mode":[],"median":7,"mean":7,"variance":"#Div/0!","skew":"#Div/0!","average_deviation":0,"standard_deviation":"#Div/0!","coefficient_of_variation":"#Div/0!","minimum":7,"maximum":7,"range":0,"first_quartile":7,"third_quartile":7,"interquartile_range":0,"kurtosis":"#Div/0!","standard_error":"#Div/0!","ci95_low":"#Div/0!","ci95_high":"#Div/0!","geometric_mean":7,"harmonic_mean":7,"trimmed_mean":7,"mad":0,"mad_scaled":0,"median_ci95_low":"'"$too_few"'","median_ci95_high":"'"$too_few"'","median_ci95_coverage":"'"$too_few"'"}' "$out"
is_json "$out"; check "more json is valid json" 0 "$?"
check "more json reports nothing" "" "$(cat "$tmp/err")"
out=$(LC_ALL=de_DE.UTF-8 "$bin/tallowmere-analyse" --more "$tmp/list.txt" | sed -n '16p;19p')
check "more text in the locale" 'The first quartile is: 3,5
The kurtosis is: 2,227' "$out"

# --entries FILE is read only when it is a regular file, as a PATH is: a
# device or a FIFO may never end. Standard input is read whatever it is.
mkfifo "$tmp/fifo"
for file in /dev/zero /dev/null "$tmp" "$tmp/fifo"; do
  out=$(timeout 20 "$bin/tallowmere-analyse" --entries "$file" 2>"$tmp/err"); rc=$?
  check "--entries $file: exit code" 1 "$rc"
  check "--entries $file: told" "tallowmere-analyse: $file: not a regular file" "$(cat "$tmp/err")"
  check "--entries $file: no rows" "" "$out"
done
check "--entries a missing file" "tallowmere-analyse: $tmp/none: File not found" \
  "$("$bin/tallowmere-analyse" --entries "$tmp/none" 2>&1)"
# A line longer than an entry may be is read as its first 4096 bytes, and told.
out=$( (head -c 3000000 /dev/zero | tr '\0' ' '; printf '12\n3\n') | "$bin/tallowmere-analyse" --entries 2>"$tmp/err"); rc=$?
check "a long line: exit code" 0 "$rc"
check "a long line: told" "tallowmere-analyse: standard input: 1 line is longer than 4096 bytes and is read as its first 4096 bytes
tallowmere-analyse: 1 entry is not a number and counts as 0: \"                               …\"." "$(cat "$tmp/err")"
check "a long line: one entry of its first bytes" "The number of entries is: 2
The sum of the numbers are: 3" "$(printf '%s\n' "$out" | head -2)"

exit $fail
