#!/usr/bin/env bash
# Both programs' --help in the user's language: the prose is translated, the
# usage lines, option names, argument words and keys are not; every
# description stays at its column however its translator wrapped it, and no
# line is wider than a terminal of 80 columns, in any language we ship.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# The help of program $1 with LANG=$2 and no other language variable.
help_in() {
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG LANG="$2" "$bin/$1" --help 2>"$tmp/err"
}

for program in tallowmere tallowmere-analyse; do
  help_in "$program" C > "$tmp/$program.en"
  help_in "$program" de_DE.UTF-8 > "$tmp/$program.de"; rc=$?
  check "$program in German: exit code" 0 "$rc"
  check "$program in German: nothing on standard error" "" "$(cat "$tmp/err")"
done

# German lines made of translated pieces and what fills them.
# program | a line of its German help
while IFS='|' read -r program line; do
  grep -qxF -e "$line" "$tmp/$program.de" || check "$program in German says" "$line" "$(cat "$tmp/$program.de")"
done <<'TABLE'
tallowmere|Ein Desktop-Rechner für deskriptive Statistik.
tallowmere|  --               Ende der Optionen: jedes weitere Argument ist ein PATH
tallowmere|$XDG_CONFIG_HOME/Brindlecote.ini (standardmäßig ~/.config/Brindlecote.ini)
tallowmere-analyse|Optionen:
tallowmere-analyse|  --entries [FILE]  jede Zeile von FILE ist ein Eintrag, unverändert, wie
tallowmere-analyse|                    »\t« für einen Tabulator); mit --field
tallowmere-analyse|coefficient_of_variation, und mit --more minimum, maximum, range,
tallowmere-analyse|     (»tallowmere-analyse: zu wenig Speicher« und keine Ergebnisse)
tallowmere-analyse|  2  Fehler im Aufruf
TABLE

# A line the German help shares with the English one is no prose: a usage
# line, an empty line, a line of keys or an option too long for its column
# (its description starts on the next line). Anything else is a piece left
# in English.
shared() { comm -12 <(sort -u "$tmp/$1.en") <(sort -u "$tmp/$1.de"); }
check "tallowmere in German: lines as in English" "
Usage: tallowmere [OPTION]... [PATH]..." "$(shared tallowmere)"
check "tallowmere-analyse in German: lines as in English" "
       tallowmere-analyse [options] --entries [FILE]
       tallowmere-analyse [options] --field A,B...|--all-fields [--group-by COL] [PATH...]
       tallowmere-analyse [options] --field N|NAME [PATH...]
  --confidence LEVEL
  --percentile P,...
  --quantile-method NAME
first_quartile, third_quartile, interquartile_range, kurtosis,
median, mean, variance, skew, average_deviation, standard_deviation,
usage: tallowmere-analyse [options] [PATH...]" "$(shared tallowmere-analyse)"

# The layout in every language we ship, once its help is translated (most of
# its lines are no longer the English ones): the English help's options in
# the same order, each description at the English column on all of its
# lines, and no line wider than 80 columns (a wide character, as in
# Japanese, takes two) but for the English help's own lines, which stay as
# they are.
layout() { # english translated
  python3 - "$1" "$2" <<'PY'
import re, sys, unicodedata
ITEM = re.compile(r"^  (\S(?:\S| (?! ))*)( {2,})\S")
def read(path):
    return open(path, encoding="utf-8").read().split("\n")
def width(line):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line)
def items(lines):
    return [(m.group(1), len(m.group(0)) - 1) for m in map(ITEM.match, lines) if m]
english, translated = read(sys.argv[1]), read(sys.argv[2])
if sum(line in english for line in translated) * 2 > len(translated):
    print("not translated yet")
    sys.exit()
problems = []
if items(translated) != items(english):
    problems.append(f"options and columns {items(translated)} instead of {items(english)}")
column = None
for number, line in enumerate(translated, 1):
    if width(line) > 80 and line not in english:
        problems.append(f"line {number} is {width(line)} columns wide")
    item = ITEM.match(line)
    if item:
        column = len(item.group(0)) - 1
    elif re.match(r"^  -\S", line) and "  " not in line[2:]:
        pass  # an option too long for the column: its description starts on the next line
    elif not line.startswith(" "):
        column = None
    elif column is not None and len(line) - len(line.lstrip(" ")) != column:
        problems.append(f"line {number} is not at the column {column}: {line!r}")
print("\n".join(problems))
PY
}
for lang in de es fr it ja nl pl pt_BR; do
  for program in tallowmere tallowmere-analyse; do
    help_in "$program" "$lang.UTF-8" > "$tmp/$program.$lang"
    problems=$(layout "$tmp/$program.en" "$tmp/$program.$lang")
    if [ "$problems" = "not translated yet" ]; then
      echo "skip: $program in $lang: not translated yet"
    else
      check "$program in $lang: layout" "" "$problems"
    fi
  done
done
exit $fail
