#!/usr/bin/env bash
# The Debian package, built from the build folder as a release would be and
# inspected without installing it into this machine: its name, its control
# fields (dependencies computed from the binaries), its files, what lintian
# says of it, and programs that run from its unpacked tree.
set -u
bin=$1
build=$(cd "$bin/.." && pwd)
. "$(dirname "$0")/lib/check.sh"
id=org.brindlecote.Tallowmere

# The sanitizer build is not what ships; its binaries depend on the sanitizer runtimes.
if grep -qx 'TALLOWMERE_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "SKIP: the package is built from the ordinary build only"
  exit 77
fi

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log"; echo "FAIL: cpack -G DEB"; exit 1
fi
deb="$tmp/tallowmere_1.0.0_amd64.deb"
check "package file name" "tallowmere_1.0.0_amd64.deb" "$(cd "$tmp" && ls -- *.deb)"
[ -f "$deb" ] || exit 1

field() { dpkg-deb -f "$deb" "$1"; }
check "Package" "tallowmere" "$(field Package)"
check "Version" "1.0.0" "$(field Version)"
check "Architecture" "amd64" "$(field Architecture)"
check "Section" "math" "$(field Section)"
check "Recommends" "libreoffice-calc, qt6-wayland" "$(field Recommends)"
check "Maintainer set" 1 "$(field Maintainer | grep -cE '^.+ <.+@.+>$')"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
# The fonts the window's layout is measured with come along.
# Qt's own translations are data no library scan finds.
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation2 qt6-translations-l10n; do
  check "Depends lists $lib" 1 "$(printf '%s\n' "$depends" | grep -cxF "$lib")"
done
description=$(field Description)
check "short description" "desktop calculator for descriptive statistics" "$(printf '%s\n' "$description" | head -n1)"
check "long description present" 1 "$(($(printf '%s\n' "$description" | wc -l) >= 3))"

dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | LC_ALL=C sort >"$tmp/files"
# The translations and the manual have checks of their own, below.
localised='^\./usr/share/(tallowmere/translations|doc/tallowmere/manual)/'
check "packaged files" "./usr/bin/tallowmere
./usr/bin/tallowmere-analyse
./usr/share/applications/$id.desktop
./usr/share/bash-completion/completions/tallowmere-analyse
./usr/share/doc-base/tallowmere.tallowmere-manual
./usr/share/doc/tallowmere/README.md
./usr/share/doc/tallowmere/changelog.gz
./usr/share/doc/tallowmere/copyright
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/16x16/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/tallowmere-analyse.1.gz
./usr/share/man/man1/tallowmere.1.gz
./usr/share/metainfo/$id.metainfo.xml
./usr/share/tallowmere/HAND-M.CUR
./usr/share/tallowmere/drag.ico" "$(grep -vE "$localised" "$tmp/files")"
check "programs are executable" 2 "$(dpkg-deb -c "$deb" | grep -cE '^-rwxr-xr-x .* \./usr/bin/tallowmere(-analyse)?$')"
check "every other file is rw-r--r--, every folder rwxr-xr-x, all root's" "" \
  "$(dpkg-deb -c "$deb" | grep -vE '^(-rw-r--r--|drwxr-xr-x) root/root ' | grep -vE ' \./usr/bin/tallowmere(-analyse)?$')"

# --- Translations and the English manual ------------------------------------
languages="de es fr it ja nl pl pt_BR"
for lang in $languages; do
  qm=./usr/share/tallowmere/translations/tallowmere_$lang.qm
  check "translation packaged: $qm" 1 "$(grep -cxF "$qm" "$tmp/files")"
done
check "no other translations" "" "$(grep '^\./usr/share/tallowmere/translations/' "$tmp/files" |
  grep -vxE "\./usr/share/tallowmere/translations/tallowmere_(${languages// /|})\.qm")"
manual=./usr/share/doc/tallowmere/manual
check "the manual's first page: $manual/index.html" 1 "$(grep -cxF "$manual/index.html" "$tmp/files")"
check "the manual's pictures: $manual/*.png" 1 "$(($(grep -cE "^$manual/.+\.png\$" "$tmp/files") > 0))"

# --- lintian, pedantic: no error, no warning. The informational and pedantic
# tags that stay are the ones named here, each with its reason; any other fails.
accepted_tags=(
  # None today.
)
command -v lintian >/dev/null || { echo "FAIL: lintian is not installed"; exit 1; }
# Tags are judged below, so lintian itself fails only when it cannot run.
lintian --fail-on none --display-info --pedantic "$deb" >"$tmp/lintian.out" 2>"$tmp/lintian.err"
rc=$?
check "lintian ran" 0 "$rc"
((rc == 0)) || cat "$tmp/lintian.err"
check "lintian: no errors or warnings" "" "$(grep -E '^[EW]: ' "$tmp/lintian.out")"
unexplained=$(grep -E '^[^EWN]: ' "$tmp/lintian.out" | while read -r _ _ tag _; do
  printf '%s\n' "${accepted_tags[@]}" | grep -qxF "$tag" || echo "$tag"
done | sort -u)
check "lintian: no tags beyond the accepted ones" "" "$unexplained"

dpkg-deb -x "$deb" "$tmp/root"
doc="$tmp/root/usr/share/doc/tallowmere"
check "copyright file is machine-readable" \
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$(head -n1 "$doc/copyright")"
gzip -dc "$doc/changelog.gz" >"$tmp/changelog"
check "changelog's newest entry is this version" "$(field Version)" "$(dpkg-parsechangelog -l "$tmp/changelog" -S Version 2>&1)"
# gzip -9n: no file name and no time stamp in the header, so builds repeat.
man1="$tmp/root/usr/share/man/man1"
for gz in "$doc/changelog.gz" "$man1/tallowmere.1.gz" "$man1/tallowmere-analyse.1.gz"; do
  check "$(basename "$gz") compressed without name or time" "31 139 8 0 0 0 0 0" "$(od -An -tu1 -N8 "$gz" | xargs)"
done
for page in tallowmere tallowmere-analyse; do
  check "man --warnings $page.1.gz" "" \
    "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man1/$page.1.gz" 2>&1 >/dev/null)"
done
check "desktop-file-validate" "" "$(desktop-file-validate "$tmp/root/usr/share/applications/$id.desktop" 2>&1)"
check "appstreamcli validate: no errors, warnings or infos" "" \
  "$(appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$id.metainfo.xml" 2>&1 | grep -E '^[EWI]:')"
check "packaged analyser runs" "$expected_2445" "$(printf '2\n4\n4\n5\n' | "$tmp/root/usr/bin/tallowmere-analyse" --entries)"
check "packaged program runs" "tallowmere 1.0.0" "$(env -u DISPLAY "$tmp/root/usr/bin/tallowmere" --version)"

exit $fail
