#!/usr/bin/env bash
# The Debian package, built from the build folder as a release would be and
# inspected without installing it into this machine: its name, its control
# fields (dependencies computed from the binaries), its files, and programs
# that run from its unpacked tree.
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
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation2; do
  check "Depends lists $lib" 1 "$(printf '%s\n' "$depends" | grep -cxF "$lib")"
done
description=$(field Description)
check "short description" "desktop calculator for descriptive statistics" "$(printf '%s\n' "$description" | head -n1)"
check "long description present" 1 "$(($(printf '%s\n' "$description" | wc -l) >= 3))"

dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | LC_ALL=C sort >"$tmp/files"
check "packaged files" "./usr/bin/tallowmere
./usr/bin/tallowmere-analyse
./usr/share/applications/$id.desktop
./usr/share/bash-completion/completions/tallowmere-analyse
./usr/share/doc/tallowmere/LICENSE
./usr/share/doc/tallowmere/README.md
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/16x16/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/tallowmere-analyse.1
./usr/share/man/man1/tallowmere.1
./usr/share/metainfo/$id.metainfo.xml
./usr/share/tallowmere/HAND-M.CUR
./usr/share/tallowmere/drag.ico" "$(cat "$tmp/files")"
check "programs are executable" 2 "$(dpkg-deb -c "$deb" | grep -cE '^-rwxr-xr-x .* \./usr/bin/tallowmere(-analyse)?$')"

dpkg-deb -x "$deb" "$tmp/root"
check "packaged analyser runs" "$expected_2445" "$(printf '2\n4\n4\n5\n' | "$tmp/root/usr/bin/tallowmere-analyse" --entries)"
check "packaged program runs" "tallowmere 1.0.0" "$(env -u DISPLAY "$tmp/root/usr/bin/tallowmere" --version)"

exit $fail
