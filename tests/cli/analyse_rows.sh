#!/usr/bin/env bash
# The rows the analyser adds on request: the robust statistics and intervals
# of --more, --confidence, --trim, --percentile, --quantile-method,
# --normality and --frequencies; their usage errors; and every output
# without them as it was.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 60 "$bin/tallowmere-analyse" "$@"; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
seq 1 20 > "$tmp/20.txt"
printf '2\n4\n4\n5\n' > "$tmp/2445.txt"
printf 'name,a,b\nw,2,5\nx,4,4\ny,4,4\nz,5,2\n' > "$tmp/ab.csv"

# --- usage errors: the reason, then the usage, on standard error; exit 2.
# name | arguments (one per line) | first line of standard error
while IFS='|' read -r name args message; do
  mapfile -t argv < <(printf '%b' "$args")
  out=$(analyse "$tmp/20.txt" "${argv[@]}" 2>"$tmp/err"); rc=$?
  check "$name: exit code" 2 "$rc"
  check "$name: nothing on standard output" "" "$out"
  check "$name: message" "$message" "$(head -1 "$tmp/err")"
  check "$name: usage follows" "usage: tallowmere-analyse [options] [PATH...]" "$(sed -n 2p "$tmp/err")"
done <<'TABLE'
a level that is no number|--more\n--confidence\nx|tallowmere-analyse: --confidence 'x': a confidence level runs from 50 to 99.9 (percent)
a level below 50|--more\n--confidence\n49.9|tallowmere-analyse: --confidence '49.9': a confidence level runs from 50 to 99.9 (percent)
a level above 99.9|--more\n--confidence=99.95|tallowmere-analyse: --confidence '99.95': a confidence level runs from 50 to 99.9 (percent)
a level as a share|--more\n--confidence\n0.95|tallowmere-analyse: --confidence '0.95': a confidence level runs from 50 to 99.9 (percent)
an empty level|--more\n--confidence=|tallowmere-analyse: --confidence '': a confidence level runs from 50 to 99.9 (percent)
a level without --more|--confidence\n90|tallowmere-analyse: option '--confidence' needs --more
a share of a half|--more\n--trim\n0.5|tallowmere-analyse: --trim '0.5': the share trimmed from each end is at least 0 and below 0.5
a negative share|--more\n--trim\n-0.1|tallowmere-analyse: --trim '-0.1': the share trimmed from each end is at least 0 and below 0.5
a share in percent|--more\n--trim\n5|tallowmere-analyse: --trim '5': the share trimmed from each end is at least 0 and below 0.5
a share that is no number|--more\n--trim\nnan|tallowmere-analyse: --trim 'nan': the share trimmed from each end is at least 0 and below 0.5
a share without --more|--trim\n0.1|tallowmere-analyse: option '--trim' needs --more
a percentile above 100|--percentile\n5,101|tallowmere-analyse: --percentile '5,101': percentiles run from 0 to 100
a negative percentile|--percentile\n-1|tallowmere-analyse: --percentile '-1': percentiles run from 0 to 100
an empty percentile between commas|--percentile\n5,,95|tallowmere-analyse: --percentile '5,,95': percentiles run from 0 to 100
a percentile that is no number|--percentile\nmedian|tallowmere-analyse: --percentile 'median': percentiles run from 0 to 100
a percentile with a decimal comma|--percentile\n2,5;97,5|tallowmere-analyse: --percentile '2,5;97,5': percentiles run from 0 to 100
a method of no name|--quantile-method\nlinear|tallowmere-analyse: --quantile-method 'linear': use one of nearest-rank, averaged-inverse, nearest-even, linear-cdf, hazen, exclusive, inclusive, median-unbiased, normal-unbiased, or a number from 1 to 9
a method number of 0|--quantile-method\n0|tallowmere-analyse: --quantile-method '0': use one of nearest-rank, averaged-inverse, nearest-even, linear-cdf, hazen, exclusive, inclusive, median-unbiased, normal-unbiased, or a number from 1 to 9
a method number of 10|--quantile-method=10|tallowmere-analyse: --quantile-method '10': use one of nearest-rank, averaged-inverse, nearest-even, linear-cdf, hazen, exclusive, inclusive, median-unbiased, normal-unbiased, or a number from 1 to 9
--percentile last|--percentile|tallowmere-analyse: option '--percentile' needs a value
TABLE

# --- values, against R 4 (quantile(x, p, type), mean(x, trim), mad(x),
# exp(mean(log(x))), 1/mean(1/x), mean -/+ qt(0.95, 19) sd/√20,
# shapiro.test(x), 100 (1 - 2 pbinom(5, 20, 0.5))) for x = 1, ..., 20,
# rounded to three decimals. name | options | key | value
while IFS='|' read -r name opts key value; do
  # shellcheck disable=SC2086  # the options are words on purpose
  got=$(analyse --format tsv --decimals 3 $opts "$tmp/20.txt" | awk -F'\t' -v k="$key" '$1 == k { print $2 }')
  check "$name" "$value" "$got"
done <<'TABLE'
5th percentile, inclusive|--percentile 5|p5|1.95
2.5th percentile|--percentile 2.5,97.5|p2.5|1.475
97.5th percentile|--percentile 2.5,97.5|p97.5|19.525
5th percentile, exclusive by name|--percentile 5 --quantile-method exclusive|p5|1.05
5th percentile, exclusive by number|--percentile 5 --quantile-method 6|p5|1.05
the method named in tsv|--percentile 5 --quantile-method 6|method|exclusive
the default method named|--percentile 50|method|inclusive
geometric mean|--more|geometric_mean|8.304
harmonic mean|--more|harmonic_mean|5.559
trimmed mean at the default share|--more|trimmed_mean|10.5
trimmed mean at a tenth|--more --trim 0.1|trimmed_mean|10.5
median absolute deviation|--more|mad|5
scaled median absolute deviation|--more|mad_scaled|7.413
the median's interval, low end|--more|median_ci95_low|6
the median's interval, high end|--more|median_ci95_high|15
the median's interval, coverage|--more|median_ci95_coverage|95.861
the mean's interval at 90 %, low end|--more --confidence 90|ci90_low|8.213
the mean's interval at 90 %, high end|--more --confidence 90|ci90_high|12.787
Shapiro-Wilk W|--normality|shapiro_wilk_w|0.96
Shapiro-Wilk p|--normality|shapiro_wilk_p|0.551
Shapiro-Wilk's plain reading|--normality|shapiro_wilk_reading|no evidence against normality at 5 %
TABLE

# --- the text format (the 99.5 % interval: mean -/+ qt(0.9975, 19) sd/√20 in R).
# name | environment | options | line expected among the rows
while IFS='|' read -r name envs opts line; do
  # shellcheck disable=SC2086  # the options and assignments are words on purpose
  out=$(env $envs "$bin/tallowmere-analyse" $opts "$tmp/20.txt" 2>/dev/null)
  grep -qxF -e "$line" <<<"$out" && check "$name" "$line" "$line" || check "$name" "$line" "$out"
done <<'TABLE'
a percentile's label|LC_ALL=C|--percentile 97.5|The 97.5th percentile is: 19.525
an ordinal's ending|LC_ALL=C|--percentile 22|The 22nd percentile is: 5.18
the method once, by its name for people|LC_ALL=C|--percentile 5,95 --quantile-method hazen|The quantile method is: Hazen, midpoint steps (R type 5)
the level with a decimal comma|LC_ALL=de_DE.UTF-8|--more --confidence 99,5|The 99,5 % confidence interval's low end is: 6,302
the trimmed share in the label|LC_ALL=C|--more --trim 0.125|The 12.5 % trimmed mean is: 10.5
the coverage in percent|LC_ALL=C|--more|The median's interval's actual coverage is: 95.861 %
TABLE
check "no method line without --percentile or --quantile-method" 0 \
  "$(analyse --more --normality "$tmp/20.txt" | grep -c 'quantile method')"
check "the method line once" 1 "$(analyse --more --percentile 5,10,15 "$tmp/20.txt" | grep -c 'quantile method')"
check "a percentile given twice has one row" 1 "$(analyse --percentile 5 --percentile 5.0 "$tmp/20.txt" | grep -c '5th percentile')"

# --- the frequency table: counted by hand for 2, 4, 4 and 5.
check "frequencies, text" "$expected_2445
Frequencies:
Value  Count  Percent  Cumulative count  Cumulative percent
2          1       25                 1                  25
4          2       50                 3                  75
5          1       25                 4                 100" "$(analyse --frequencies "$tmp/2445.txt")"
check "frequencies, tsv: a header line and a line each" "low	high	count	percent	cumulative_count	cumulative_percent
2	2	1	25	1	25
4	4	2	50	3	75
5	5	1	25	4	100" "$(analyse --frequencies --format tsv "$tmp/2445.txt" | tail -4)"
check "frequencies, json" '[{"low": 2, "high": 2, "count": 1, "percent": 25, "cumulative_count": 1, "cumulative_percent": 25}, {"low": 4, "high": 4, "count": 2, "percent": 50, "cumulative_count": 3, "cumulative_percent": 75}, {"low": 5, "high": 5, "count": 1, "percent": 25, "cumulative_count": 4, "cumulative_percent": 100}]' \
  "$(analyse --frequencies --format json "$tmp/2445.txt" | python3 -c 'import json,sys; print(json.dumps(json.load(sys.stdin)["frequencies"]))')"
check "frequencies of several columns, tsv: a line per block's row" "column	low	high	count	percent	cumulative_count	cumulative_percent
a	2	2	1	25	1	25
a	4	4	2	50	3	75
a	5	5	1	25	4	100
b	2	2	1	25	1	25
b	4	4	2	50	3	75
b	5	5	1	25	4	100" \
  "$(analyse --delimiter , --header --field a,b --frequencies --format tsv "$tmp/ab.csv" | tail -7)"
check "frequencies of several columns, json: a table in each block" "a 3
b 3" "$(analyse --delimiter , --header --field a,b --frequencies --format json "$tmp/ab.csv" |
  python3 -c 'import json,sys; [print(b["column"], len(b["frequencies"])) for b in json.load(sys.stdin)]')"
check "frequencies of several columns, text: under each block" 2 \
  "$(analyse --delimiter , --header --field a,b --frequencies "$tmp/ab.csv" | grep -c '^Frequencies:$')"
# W of 2, 4, 4 and 5: shapiro.test in R.
check "several columns get the same new rows" "p5	2.3	2.3
shapiro_wilk_w	0.895	0.895" \
  "$(analyse --delimiter , --header --field a,b --percentile 5 --normality --format tsv --decimals 3 "$tmp/ab.csv" |
     grep -E '^(p5|shapiro_wilk_w)	')"

# --- without the new options, every output is as it was; with them, the
# rows before theirs are too. The keys, as the manual lists them:
twelve="count sum sum_squared sum_of_squares mode median mean variance skew average_deviation standard_deviation coefficient_of_variation"
more="minimum maximum range first_quartile third_quartile interquartile_range kurtosis standard_error ci95_low ci95_high"
robust="geometric_mean harmonic_mean trimmed_mean mad mad_scaled median_ci95_low median_ci95_high median_ci95_coverage"
keys() { analyse --format tsv "$@" "$tmp/20.txt" | cut -f1 | tr '\n' ' ' | sed 's/ $//'; }
check "the twelve keys alone" "$twelve" "$(keys)"
check "--more: its rows, then the robust ones" "$twelve $more $robust" "$(keys --more)"
check "--more --population: no mean's interval" \
  "$twelve ${more% ci95_low ci95_high} $robust" "$(keys --more --population)"
check "--normality after --more's rows" \
  "$twelve $more $robust shapiro_wilk_w shapiro_wilk_p shapiro_wilk_reading k2 k2_p k2_reading" "$(keys --more --normality)"
for format in text tsv json; do
  plain=$(analyse --format "$format" --more "$tmp/20.txt")
  with=$(analyse --format "$format" --more --percentile 5 --normality --frequencies "$tmp/20.txt")
  if [ "$format" = json ]; then
    # The object's keys before the new ones, with their values.
    plain=${plain%\}}
    with=${with:0:${#plain}}
  else
    with=$(head -n "$(wc -l <<<"$plain")" <<<"$with")
  fi
  check "$format: the rows of --more stay as they were" "$plain" "$with"
done
check "the quartiles follow the method" "first_quartile	5.25" \
  "$(analyse --more --quantile-method 6 --format tsv --decimals 3 "$tmp/20.txt" | grep '^first_quartile')"
check "the default method keeps --more's quartiles" "$(analyse --more --format tsv "$tmp/20.txt")" \
  "$(analyse --more --quantile-method inclusive --format tsv "$tmp/20.txt" | grep -v '^method')"

exit $fail
