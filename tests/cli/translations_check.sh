#!/usr/bin/env bash
# The check of the .ts files on small files with one fault each (and one
# without): which it fails, and the line that names the fault.
set -u
checker=$(realpath "$1")
lupdate=$2
here=$(cd "$(dirname "$0")/../translations" && pwd)
. "$(dirname "$0")/lib/check.sh"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
printf '%s\n' "$here/fixture_source.cpp" > "$tmp/sources.lst"

# file | exit status | a line the check prints
while IFS='|' read -r file rc line; do
  out=$(cd "$here" && python3 "$checker" --lupdate "$lupdate" --sources-from "$tmp/sources.lst" --root "$here" \
    "$file" 2>&1)
  got_rc=$?
  check "$file: exit status" "$rc" "$got_rc"
  if grep -qxF -- "$line" <<<"$out"; then
    echo "ok: $file: says it"
  else
    check "$file: says" "$line" "$out"
  fi
done <<'TABLE'
good.ts|0|good.ts: ok
unfinished.ts|1|unfinished.ts: Fixture: 'Save Picture': unfinished
empty_form.ts|1|empty_form.ts: Fixture: '%1 files': unfinished
drops_placeholder.ts|1|drops_placeholder.ts: Fixture: 'Added %1 numbers from %2': the translation '%1 Zahlen hinzugefügt' drops %2
adds_placeholder.ts|1|adds_placeholder.ts: Fixture: 'Added %1 numbers from %2': the translation '%1 Zahlen aus %2 in %3 hinzugefügt' adds %3
form_drops_placeholder.ts|1|form_drops_placeholder.ts: Fixture: '%1 files': the translation 'eine Datei' drops %1
loses_mnemonic.ts|1|loses_mnemonic.ts: Fixture: '&Copy Picture': the translation 'Bild kopieren' loses the '&' mnemonic
obsolete.ts|1|obsolete.ts: Fixture: 'Load Picture': obsolete (no longer in the code)
missing_source.ts|1|missing_source.ts: Fixture: 'Save Picture': missing (a text of the code)
drops_line_break.ts|1|drops_line_break.ts: Fixture: 'Copied.\r\rPress Ctrl+V to paste.': the translation 'Kopiert.' does not break its lines as the source does
vanished_source.ts|1|vanished_source.ts: Fixture: 'Load Picture': no longer in the code
TABLE
exit $fail
