#!/usr/bin/env bash
# The analyser as an ordinary Unix filter: help and version, usage errors,
# "--" and "-", the tsv and json formats, and output that cannot be written.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
analyse() { timeout 60 "$bin/tallowmere-analyse" "$@"; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
printf '2\n4\n4\n5\n' > "$tmp/2445.txt"

# --- help and version: standard output, nothing on standard error, exit 0.
for opt in --help -h; do
  out=$(analyse "$opt" 2>"$tmp/err"); rc=$?
  check "$opt exit code" 0 "$rc"
  check "$opt writes nothing on standard error" "" "$(cat "$tmp/err")"
  check "$opt starts with the usage" "usage: tallowmere-analyse [options] [PATH...]" "$(head -1 <<<"$out")"
  for word in --entries --field --delimiter --header --strict --population --sample --decimals --all-decimals --format --more --time \
              -h --help -V --version -- text tsv json; do
    grep -qE -e "(^|[ ,])$word([ ,=:]|\$)" <<<"$out" || check "$opt mentions $word" "mentioned" "missing"
  done
  for code in '0  done' '1  no numbers, a path that could not be read, or the output failed' '2  usage error'; do
    grep -qF -e "$code" <<<"$out" || check "$opt gives the exit code '$code'" "listed" "missing"
  done
done
for opt in --version -V; do
  check "$opt text" "tallowmere-analyse 1.0.0" "$(analyse "$opt" 2>&1)"
  analyse "$opt" >/dev/null 2>&1; check "$opt exit code" 0 "$?"
done

# --- usage errors: the reason, then the short usage, on standard error only; exit 2.
# name | arguments (one per line) | first line of standard error
while IFS='|' read -r name args message; do
  mapfile -t argv < <(printf '%b' "$args")
  out=$(analyse "${argv[@]}" </dev/null 2>"$tmp/err"); rc=$?
  check "$name: exit code" 2 "$rc"
  check "$name: nothing on standard output" "" "$out"
  check "$name: message" "$message" "$(head -1 "$tmp/err")"
  check "$name: usage follows" "usage: tallowmere-analyse [options] [PATH...]" "$(sed -n 2p "$tmp/err")"
done <<'TABLE'
unknown long option|--bogus|tallowmere-analyse: unknown option '--bogus'
unknown short option|-x|tallowmere-analyse: unknown option '-x'
a value for an option without one|--population=1|tallowmere-analyse: unknown option '--population=1'
--decimals last|--entries\n--decimals|tallowmere-analyse: option '--decimals' needs a value
--format last|--format|tallowmere-analyse: option '--format' needs a value
unknown format|--format\nxml|tallowmere-analyse: unknown format 'xml' (use text, tsv or json)
unknown inline format|--format=XML|tallowmere-analyse: unknown format 'XML' (use text, tsv or json)
empty inline format|--format=|tallowmere-analyse: unknown format '' (use text, tsv or json)
--entries with a PATH|--entries\na\nb|tallowmere-analyse: --entries takes no PATH
--entries does not take --, nor the PATH after it|--entries\n--\n-|tallowmere-analyse: --entries takes no PATH
--entries takes no inline FILE|--entries=a|tallowmere-analyse: unknown option '--entries=a'
a value for --help|--help=1|tallowmere-analyse: unknown option '--help=1'
a value for a short option|-h=1|tallowmere-analyse: unknown option '-h=1'
an inline value without a name|--=x|tallowmere-analyse: unknown option '--=x'
the first mistake is told, before a later --help|--bogus\n--help|tallowmere-analyse: unknown option '--bogus'
a value is the next argument, even --|--format\n--|tallowmere-analyse: unknown format '--' (use text, tsv or json)
decimals that are no number|--decimals\nx|tallowmere-analyse: --decimals 'x': not a number of decimal places
empty decimals|--decimals=|tallowmere-analyse: --decimals '': not a number of decimal places
more decimals than the format keeps|--decimals\n11|tallowmere-analyse: --decimals '11': decimal places run from -32768 to 10
decimals beyond 16 bits|--decimals=-32769|tallowmere-analyse: --decimals '-32769': decimal places run from -32768 to 10
decimals that round beyond ten|--decimals\n10.6|tallowmere-analyse: --decimals '10.6': decimal places run from -32768 to 10
decimals checked with --all-decimals too|--all-decimals\n--decimals\n1e3|tallowmere-analyse: --decimals '1e3': decimal places run from -32768 to 10
TABLE

# --- "--", "-" and the order of the entries. The tied modes are listed in the
# order their values first come, so they show the order the sources were read.
printf '2\n2\n' > "$tmp/a.txt"
printf '9\n9\n' > "$tmp/b.txt"
printf '7\n7\n' > "$tmp/-dash.txt"
# name | arguments (one per line, run in $tmp) | standard input | mode row
while IFS='|' read -r name args input mode; do
  mapfile -t argv < <(printf '%b' "$args")
  check "$name" "The mode is: $mode" "$(cd "$tmp" && printf '%b' "$input" | analyse "${argv[@]}" | sed -n 5p)"
done <<'TABLE'
standard input between two files|a.txt\n-\nb.txt|5\n5\n|2 or 5 or 9
standard input first|-\nb.txt\na.txt|5\n5\n|5 or 9 or 2
standard input last|a.txt\nb.txt\n-|5\n5\n|2 or 9 or 5
no PATH is standard input||5\n5\n|5
-- then a path starting with '-'|--\n-dash.txt\na.txt|5\n5\n|7 or 2
-- keeps '-' as standard input|--\n-\n-dash.txt|5\n5\n|5 or 7
--entries - reads standard input|--entries\n-|5\n5\n3\n3\n|5 or 3
a later --entries without FILE keeps the FILE|--entries\na.txt\n--entries|5\n5\n|2
TABLE
out=$(cd "$tmp" && analyse -- --format=json </dev/null 2>"$tmp/err"); rc=$?
check "an option after -- is a path that is not found" "tallowmere-analyse: --format=json: File not found" "$(head -1 "$tmp/err")"
check "an option after -- is a path: exit code" 1 "$rc"

# --- formats of 2, 4, 4 and 5. Text is rounded as the window shows it; tsv
# and json, read by scripts, have every digit of the engine's doubles unless
# --decimals is given.
tsv_2445='count	4
sum	15
sum_squared	225
sum_of_squares	61
mode	4
median	4
mean	3.75
variance	1.5833333333333333
skew	-1.1293381149712478
average_deviation	0.875
standard_deviation	1.2583057392117916
coefficient_of_variation	33.55481971231444'
json_2445='{"count":4,"sum":15,"sum_squared":225,"sum_of_squares":61,"mode":[4],"median":4,"mean":3.75,"variance":1.5833333333333333,"skew":-1.1293381149712478,"average_deviation":0.875,"standard_deviation":1.2583057392117916,"coefficient_of_variation":33.55481971231444}'
json_2445_rounded='{"count":4,"sum":15,"sum_squared":225,"sum_of_squares":61,"mode":[4],"median":4,"mean":3.75,"variance":1.583,"skew":-1.129,"average_deviation":0.875,"standard_deviation":1.258,"coefficient_of_variation":33.555}'
check "text by default" "$expected_2445" "$(analyse "$tmp/2445.txt")"
check "--format text" "$expected_2445" "$(analyse --format text "$tmp/2445.txt")"
check "--format tsv" "$tsv_2445" "$(analyse --format tsv "$tmp/2445.txt")"
check "--format=tsv" "$tsv_2445" "$(analyse --format=tsv "$tmp/2445.txt")"
check "--format json" "$json_2445" "$(analyse --format json "$tmp/2445.txt")"
check "--format json with --all-decimals" "$json_2445" "$(analyse --format json --all-decimals "$tmp/2445.txt")"
check "--format json with --decimals 3" "$json_2445_rounded" "$(analyse --format json --decimals 3 "$tmp/2445.txt")"
check "--decimals=TEXT" "variance	1.58333" "$(analyse --format tsv --decimals=5 "$tmp/2445.txt" | sed -n 8p)"
check "--all-decimals wins over --decimals" "variance	1.5833333333333333" \
  "$(analyse --format tsv --decimals=5 --all-decimals "$tmp/2445.txt" | sed -n 8p)"
check "the last --format counts" "$tsv_2445" "$(analyse --format json --format tsv "$tmp/2445.txt")"
check "text after tsv is rounded again" "$expected_2445" "$(analyse --format tsv --format text "$tmp/2445.txt")"

# Each JSON output must parse; the parsed object is printed back as
# key=value/type lines so that key order, numbers, arrays and strings show.
json_fields() {
  python3 -c '
import json, sys
text = sys.stdin.read()
if not text.endswith("}\n"): sys.exit("no object and newline at the end")
for key, value in json.loads(text, object_pairs_hook=lambda pairs: pairs):
    print("%s=%s/%s" % (key, json.dumps(value), type(value).__name__))'
}
# name | options | entries (--entries lines) | key=value/type lines (";" between them)
while IFS='|' read -r name opts input expected; do
  # shellcheck disable=SC2086  # the options are words on purpose
  out=$(printf '%b' "$input" | analyse --format json $opts --entries)
  printf '%s' "$out" | python3 -m json.tool >/dev/null 2>&1
  check "json is valid: $name" 0 "$?"
  keys=$(sed 's/=[^;]*//g; s/;/|/g' <<<"$expected")
  check "json: $name" "$(tr ';' '\n' <<<"$expected")" "$(printf '%s\n' "$out" | json_fields | grep -E "^($keys)=")"
done <<'TABLE'
key order and numbers|--decimals 3|2\n4\n4\n5\n|count=4/int;sum=15/int;sum_squared=225/int;sum_of_squares=61/int;mode=[4]/list;median=4/int;mean=3.75/float;variance=1.583/float;skew=-1.129/float;average_deviation=0.875/float;standard_deviation=1.258/float;coefficient_of_variation=33.555/float
tied modes are an array|--decimals 3|1\n2\n2\n3\n3\n|mode=[2, 3]/list
no mode is an empty array|--decimals 3|1\n2\n3\n|mode=[]/list
one entry, sample: #Div/0! is a string|--sample|5\n|mode=[]/list;variance="#Div/0!"/str;skew="#Div/0!"/str;standard_deviation="#Div/0!"/str;coefficient_of_variation="#Div/0!"/str
exponent forms stay numbers|--all-decimals|1E+20\n1\n|sum=1e+20/float;median=5e+19/float
negative values|--decimals 2|-0.5\n-0.25\n|sum=-0.75/float;mean=-0.38/float
TABLE
check "json keeps the digits as shown" '"sum":1E+20' "$(printf '1E+20\n1\n' | analyse --format json --entries | grep -o '"sum":[^,]*')"

# An overflow leaves rows out: only the rows made are written, in every format.
out=$(printf '1e200\n1e200\n' | analyse --format json --entries 2>"$tmp/err")
check "json without the rows an error left out" "count sum mode median" \
  "$(printf '%s\n' "$out" | json_fields | cut -d= -f1 | head -4 | tr '\n' ' ' | sed 's/ $//')"
check "the errors are still reported, naming their rows" "tallowmere-analyse: the sum squared: Overflow
tallowmere-analyse: the sum of squares: Overflow" "$(cat "$tmp/err")"
check "tsv without the rows an error left out" 10 "$(printf '1e200\n1e200\n' | analyse --format tsv --entries 2>/dev/null | wc -l)"

# No numbers: exit 1 and the message, with each format's empty output.
# name | format | standard output
while IFS='|' read -r format expected; do
  out=$(analyse --format "$format" </dev/null 2>"$tmp/err"; echo "rc=$?")
  check "empty list, $format" "${expected:+$expected$'\n'}rc=1" "$out"
  check "empty list, $format: message" "You forgot to input numbers." "$(cat "$tmp/err")"
done <<'TABLE'
text|
tsv|
json|{}
TABLE

# The user's decimal separator, a comma or several bytes, becomes '.' in tsv
# and json but stays in text. Qt takes the locale from the environment by
# name, so no system locale needs to be generated for this.
# locale | text mean row | tsv mean line
while IFS='|' read -r loc text_mean tsv_mean; do
  run() { printf '1\n2\n2\n3\n3\n' | env LC_ALL="$loc" "$bin/tallowmere-analyse" "$@" 2>&1; }
  check "$loc: text keeps the separator" "$text_mean" "$(run | sed -n 7p)"
  check "$loc: tsv writes '.'" "$tsv_mean"$'\n'"coefficient_of_variation	38.03000120609434" "$(run --format tsv | sed -n '7p;12p')"
  check "$loc: json writes '.'" '"mean":2.2,"mode":[2,3]' \
    "$(run --format json | grep -o '"mean":[^,]*' | tr '\n' ','; run --format json | grep -o '"mode":[^]]*]')"
  check "$loc: tied modes in tsv" "mode	2 or 3" "$(printf '1.5\n2\n2\n3\n3\n' | env LC_ALL="$loc" "$bin/tallowmere-analyse" --entries --format tsv | sed -n 5p)"
done <<'TABLE'
de_DE.UTF-8|The mean is: 2,2|mean	2.2
ar_EG.UTF-8|The mean is: 2٫2|mean	2.2
C|The mean is: 2.2|mean	2.2
TABLE
# Entries are read with '.' in every locale; the tied values are then shown
# with the user's separator.
ties() { printf '2.5\n2.5\n3.5\n3.5\n' | env LC_ALL=de_DE.UTF-8 "$bin/tallowmere-analyse" --entries "$@" 2>&1; }
check "de_DE.UTF-8: decimal tied modes in text" "The mode is: 2,5 or 3,5" "$(ties | sed -n 5p)"
check "de_DE.UTF-8: decimal tied modes in tsv" "mode	2.5 or 3.5" "$(ties --format tsv | sed -n 5p)"
check "de_DE.UTF-8: decimal tied modes in json" '"mode":[2.5,3.5]' "$(ties --format json | grep -o '"mode":[^]]*]')"

# --- output that cannot be written: exit 1 and the reason, in every format.
for format in text tsv json; do
  analyse --format "$format" "$tmp/2445.txt" >/dev/full 2>"$tmp/err"; rc=$?
  check "/dev/full, $format: exit code" 1 "$rc"
  check "/dev/full, $format: message" "tallowmere-analyse: cannot write the results: No space left on device" "$(cat "$tmp/err")"
done
# A closed standard output fails the first write, or, when there is nothing
# to write (no numbers), only the close: exit 1 and the reason either way.
# name | arguments (one per line) | standard input | output | standard error
while IFS='|' read -r name args input output message; do
  mapfile -t argv < <(printf '%b' "$args")
  case $output in
    closed) printf '%b' "$input" | analyse "${argv[@]}" >&- 2>"$tmp/err" ;;
    full) printf '%b' "$input" | analyse "${argv[@]}" >/dev/full 2>"$tmp/err" ;;
  esac
  check "$name: exit code" 1 "$?"
  check "$name: message" "$(printf '%b' "$message")" "$(cat "$tmp/err")"
done <<'TABLE'
results, closed|--format\njson\n-|2\n4\n|closed|tallowmere-analyse: cannot write the results: Bad file descriptor
text, closed|-|2\n4\n|closed|tallowmere-analyse: cannot write the results: Bad file descriptor
no numbers, closed|-||closed|You forgot to input numbers.\ntallowmere-analyse: cannot write the results: Bad file descriptor
no numbers, full|-||full|You forgot to input numbers.
help, closed|--help||closed|tallowmere-analyse: cannot write the help: Bad file descriptor
help, full|--help||full|tallowmere-analyse: cannot write the help: No space left on device
version, closed|--version||closed|tallowmere-analyse: cannot write the version: Bad file descriptor
version, full|--version||full|tallowmere-analyse: cannot write the version: No space left on device
TABLE

# A reader that is gone before the first write: death by SIGPIPE (128 + 13),
# quietly, even when SIGPIPE was ignored by the caller.
for ignore in no yes; do
  ( [ "$ignore" = yes ] && trap '' PIPE; sleep 0.5; exec "$bin/tallowmere-analyse" "$tmp/2445.txt" 2>"$tmp/err" ) | true
  check "closed pipe (SIGPIPE ignored: $ignore): status" 141 "${PIPESTATUS[0]}"
  check "closed pipe (SIGPIPE ignored: $ignore): nothing on standard error" "" "$(cat "$tmp/err")"
done

exit $fail
