#!/usr/bin/env bash
# `cmake --install` into a fresh prefix gives the whole application: exactly
# the expected files, a desktop entry, AppStream data and man pages that their
# validators pass without a word, icons of the sizes their folders claim, and
# programs that run from the prefix.
set -u
bin=$1
build=$(cd "$bin/.." && pwd)
. "$(dirname "$0")/lib/check.sh"
id=org.brindlecote.Tallowmere

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log"; echo "FAIL: cmake --install"; exit 1
fi

expected_files="bin/tallowmere
bin/tallowmere-analyse
share/applications/$id.desktop
share/bash-completion/completions/tallowmere-analyse
share/doc/tallowmere/README.md
share/doc/tallowmere/changelog
share/doc/tallowmere/copyright
share/doc/tallowmere/manual/distribution-window.png
share/doc/tallowmere/manual/index.html
share/doc/tallowmere/manual/main-window.png
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/tallowmere-analyse.1
share/man/man1/tallowmere.1
share/metainfo/$id.metainfo.xml
share/tallowmere/HAND-M.CUR
share/tallowmere/drag.ico
share/tallowmere/translations/tallowmere_de.qm
share/tallowmere/translations/tallowmere_es.qm
share/tallowmere/translations/tallowmere_fr.qm
share/tallowmere/translations/tallowmere_it.qm
share/tallowmere/translations/tallowmere_ja.qm
share/tallowmere/translations/tallowmere_nl.qm
share/tallowmere/translations/tallowmere_pl.qm
share/tallowmere/translations/tallowmere_pt_BR.qm"
check "installed files" "$expected_files" "$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)"

# Validators: silence is the pass (hints and warnings count as faults).
check "desktop-file-validate" "" "$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)"
out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1); rc=$?
check "appstreamcli validate exit code" 0 "$rc"
check "appstreamcli validate: no errors, warnings or infos" "" "$(printf '%s\n' "$out" | grep -E '^[EWI]:')"
for page in tallowmere tallowmere-analyse; do
  check "man --warnings $page.1" "" \
    "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)"
  check "man $page.1 names the program" 1 \
    "$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1" 2>/dev/null | grep -cE "^ *$page +- ")"
done

# The desktop entry's key facts: a script or a file manager relies on these.
entry="$prefix/share/applications/$id.desktop"
for line in "Exec=tallowmere %F" "Icon=$id" "MimeType=text/plain;" "Categories=Utility;Calculator;Qt;" \
  "GenericName=Statistics Calculator"; do
  check "desktop entry has '$line'" 1 "$(grep -cxF "$line" "$entry")"
done
check "AppStream id matches the desktop entry" 1 \
  "$(grep -cF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml")"

# Each PNG is the size of the folder it is in (read from the PNG header).
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 32 48 64 128 256; do
  check "icon ${size}x${size}" "${size}x${size}" "$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")"
done
check "scalable icon is SVG" 1 "$(grep -c '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg")"

# The installed programs run from the prefix, moved elsewhere after installing.
mv "$prefix" "$tmp/moved"
check "installed analyser" "$expected_2445" "$(printf '2\n4\n4\n5\n' | "$tmp/moved/bin/tallowmere-analyse" --entries)"
check "installed analyser in German" "Die Anzahl der Einträge ist: 4" \
  "$(printf '2\n4\n4\n5\n' | env -u LANGUAGE LC_ALL=de_DE.UTF-8 "$tmp/moved/bin/tallowmere-analyse" --entries | head -1)"
check "installed analyser version" "tallowmere-analyse 1.0.0" "$("$tmp/moved/bin/tallowmere-analyse" --version)"
check "installed program version, no display needed" "tallowmere 1.0.0" \
  "$(env -u DISPLAY -u WAYLAND_DISPLAY "$tmp/moved/bin/tallowmere" --version)"

exit $fail
