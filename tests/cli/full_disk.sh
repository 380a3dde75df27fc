#!/usr/bin/env bash
# Saves on a full disk: a small file system is mounted and filled, old files
# are left on it, and the save tests of whole_file_qapp_test write there (a
# picture, a text, the settings). Each must fail with "No space left on
# device" and leave every old file as it was. Needs root to mount; skipped
# (77) where mounting is not permitted.
set -u
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/check.sh"

tmp=$(mktemp -d)
disk="$tmp/disk"
mkdir "$disk"
if [ "$(id -u)" != 0 ] || ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  rm -rf "$tmp"
  echo "SKIP: a small file system cannot be mounted here (needs root)"
  exit 77
fi
trap 'umount "$disk"; rm -rf "$tmp"' EXIT

printf 'old text\n' > "$disk/old.txt"
printf 'old picture\n' > "$disk/old.png"
printf 'old picture\n' > "$disk/old.svg"
printf '[Tallowmere]\nCombo1=7\n' > "$disk/Brindlecote.ini"
dd if=/dev/zero of="$disk/fill" bs=1k count=100 2>/dev/null
check "the disk is full" "No space left on device" \
  "$(printf x 2>&1 >"$disk/probe" | sed 's/.*: //'; rm -f "$disk/probe")"

mkdir -m 700 "$tmp/runtime"
out=$(TALLOWMERE_FULL_DISK="$disk" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="default.warning=false" \
  XDG_RUNTIME_DIR="$tmp/runtime" timeout 120 "$bin/whole_file_qapp_test" --gtest_brief=1 \
  --gtest_filter='WholeFile.OnAFullDisk*' 2>&1); rc=$?
check "the saves on the full disk" 0 "$rc"
[ "$rc" = 0 ] || printf '%s\n' "$out"
grep -q "SKIPPED" <<<"$out" && check "the full-disk test ran" "ran" "skipped"

check "the old text" "old text" "$(cat "$disk/old.txt")"
check "the old picture" "old picture" "$(cat "$disk/old.png")"
check "the old settings" "$(printf '[Tallowmere]\nCombo1=7')" "$(cat "$disk/Brindlecote.ini")"
check "nothing left beside them" "Brindlecote.ini fill old.png old.svg old.txt" "$(cd "$disk" && ls -A | tr '\n' ' ' | sed 's/ $//')"
exit $fail
