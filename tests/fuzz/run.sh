#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a
# fresh copy of its committed seed corpus, with the number-text dictionary
# numbers.dict (or the target's own NAME.dict). Any crash, sanitizer report or
# broken property fails the script; the input that caused it is kept under
# the build folder's artifacts/ and printed in hex.
#
# Usage: run.sh                  build, then run every target
#        run.sh build            only build
#        run.sh run TARGET...    only run (after a build)
# Environment: FUZZ_BUILD_DIR (default: build-fuzz at the top of the tree),
#              FUZZ_SECONDS per target (default 30), FUZZ_RUNS per target
#              (default 5000000; whichever bound comes first ends the run).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-30}
runs=${FUZZ_RUNS:-5000000}
# Every NAME.cpp here is a target with its seeds in corpus/NAME/.
targets=()
for src in "$here"/*.cpp; do
  name=$(basename "$src" .cpp)
  targets+=("$name")
done

# The longest input each target is given: past the 800 digits at which the
# number readings start cutting digits, past the 4096 bytes at which the list
# reader drops a candidate, a few doubles for the round trip.
max_len() {
  case "$1" in
    is_numeric | leading_number) echo 2048 ;;
    list_file | list_file_large) echo 12288 ;;
    sheet_xml) echo 8192 ;;
    round_trip) echo 256 ;;
    *) echo 4096 ;;
  esac
}

build_targets() {
  command -v clang++ >/dev/null || { echo "FAIL: clang++ is not installed" >&2; exit 1; }
  local probe
  probe=$(mktemp -d)
  printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$probe/probe.cpp"
  if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>"$probe/log"; then
    echo "FAIL: clang++ cannot link libFuzzer (Debian: libclang-rt-14-dev):" >&2
    cat "$probe/log" >&2
    rm -rf "$probe"
    exit 1
  fi
  rm -rf "$probe"
  # A build folder made when the fuzz targets were a project of their own is
  # made again from the top of the tree.
  if grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$here\$" "$build/CMakeCache.txt"; then
    rm -rf "$build"
  fi
  (cd "$root" && cmake --preset fuzz -B "$build" >/dev/null)
  cmake --build "$build" -j2
}

# A target's own dictionary where it has one (NAME.dict), else the number
# texts'.
dictionary() {
  if [ -f "$here/$1.dict" ]; then echo "$here/$1.dict"; else echo "$here/numbers.dict"; fi
}

run_target() {
  local target=$1 len
  len=$(max_len "$target")
  [ -x "$build/$target" ] || { echo "FAIL: $build/$target is not built (run: $0 build)" >&2; return 1; }
  [ -d "$here/corpus/$target" ] || { echo "FAIL: no seed corpus at $here/corpus/$target" >&2; return 1; }
  local corpus="$build/corpus/$target" log="$build/logs/$target.log"
  rm -rf "$corpus" "$build/logs/$target.summary" "$build/artifacts/$target-"*
  mkdir -p "$corpus" "$build/logs" "$build/artifacts"
  cp "$here/corpus/$target/"* "$corpus/"
  local seeds
  seeds=$(ls "$corpus" | wc -l)

  local rc=0
  "$build/$target" -max_total_time="$seconds" -runs="$runs" -max_len="$len" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    -dict="$(dictionary "$target")" \
    "$corpus" >"$log" 2>&1 || rc=$?

  local done_line executions elapsed
  done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n1 || true)
  executions=$(sed -E 's/^Done ([0-9]+) runs.*/\1/' <<<"$done_line")
  elapsed=$(sed -E 's/.* in ([0-9]+) second.*/\1/' <<<"$done_line")
  if [ "$rc" -ne 0 ] || [ -z "$done_line" ]; then
    echo "FAIL: fuzz target $target stopped (exit $rc); the end of its log ($log):" >&2
    grep -E 'BROKEN PROPERTY|runtime error|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|SUMMARY' "$log" >&2 || true
    tail -n 40 "$log" >&2
    local artifact
    for artifact in "$build/artifacts/$target-"*; do
      [ -f "$artifact" ] || continue
      echo "--- input $artifact (replay: $build/$target $artifact):" >&2
      head -c 512 "$artifact" | od -An -tx1 >&2
    done
    return 1
  fi
  echo "fuzz $target: $executions executions in ${elapsed} s, corpus $seeds seeds -> $(ls "$corpus" | wc -l) inputs" |
    tee "$build/logs/$target.summary"
}

mode=${1:-all}
case "$mode" in
  build)
    build_targets
    ;;
  run)
    shift
    [ $# -gt 0 ] || { echo "usage: $0 run TARGET..." >&2; exit 2; }
    failed=0
    for target in "$@"; do run_target "$target" || failed=1; done
    exit "$failed"
    ;;
  all)
    build_targets
    failed=0
    for target in "${targets[@]}"; do run_target "$target" || failed=1; done
    exit "$failed"
    ;;
  *)
    echo "usage: $0 [all | build | run TARGET...]" >&2
    exit 2
    ;;
esac
