#!/usr/bin/env bash
# Mutation sample: does each hand-made fault of mutants.tsv make a test fail?
#
#   bash tests/mutation/run.sh [BUILD_DIR] [ID...]
#
# Run from the root of a checkout whose BUILD_DIR (default: build) is
# configured (cmake --preset default). With IDs, only those mutants run.
# Not a CTest test: a developer's tool, run by hand, and it takes a while
# (a rebuild of the changed file and of the tests' programs per mutant).
#
# For each mutant: its code is found wherever it stands now (mutate.py; by
# its text, with white space left out, unique in the program's sources), the
# file is changed, only the targets the mutant's tests run are built (at nice
# 15, -j2; JOBS=N to change), the tests are run with ctest, and the file is
# put back from a copy taken before the change (also on Ctrl-C or any other
# exit: the trap below). The file is put back with a fresh time stamp, so the
# next build compiles it again (ccache makes that quick).
#
# First the tests of all the chosen mutants run once on the code as it is
# (BASELINE=0 skips that): a test that fails already cannot tell a mutant.
#
# Result per mutant:
#   killed       a test failed (or timed out) with the fault in place
#   LIVED        every test passed with the fault in place: a test is missing
#   build fails  the fault did not compile (a bad mutant, not a finding)
#   not found    the code is not in the sources once (moved away or changed:
#                mend the row)
#   no tests     the regular expression names no test of this build
#   baseline     a test fails without the fault already
#
# A table (id, area, file:line, tests, result) goes to standard output and
# to BUILD_DIR/mutation/results.tsv; each mutant's build and test output to
# BUILD_DIR/mutation/ID.log. Exit status 0 when every mutant was killed.
set -u -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(pwd)
build=${1:-build}
shift || true
wanted=("$@")
jobs=${JOBS:-2}
mutate=(python3 "$here/mutate.py")
table="$here/mutants.tsv"

if [[ ! -f "$root/CMakeLists.txt" || ! -d "$root/stats" ]]; then
  echo "run.sh: run it from the root of a checkout" >&2
  exit 2
fi
if [[ ! -f "$build/CTestTestfile.cmake" ]]; then
  echo "run.sh: $build is not a configured build directory" >&2
  exit 2
fi
build=$(cd "$build" && pwd)
logs="$build/mutation"
mkdir -p "$logs"

# The file changed now and the copy it comes back from.
changed=""
saved=$(mktemp)
restore() {
  if [[ -n "$changed" ]]; then
    cat "$saved" >"$changed"
    changed=""
  fi
}
trap 'restore; rm -f "$saved"' EXIT
trap 'restore; exit 130' INT
trap 'restore; exit 143' TERM

# The rows: id, area, code, fault, tests.
ids=() areas=() codes=() faults=() regexes=()
while IFS=$'\t' read -r id area code fault tests; do
  [[ -z "$id" || "$id" == \#* ]] && continue
  if ((${#wanted[@]})); then
    keep=0
    for w in "${wanted[@]}"; do [[ "$w" == "$id" ]] && keep=1; done
    ((keep)) || continue
  fi
  ids+=("$id") areas+=("$area") codes+=("$code") faults+=("$fault") regexes+=("$tests")
done <"$table"
if ((${#ids[@]} == 0)); then
  echo "run.sh: no mutant chosen" >&2
  exit 2
fi

build_targets() {  # LOG TARGET...
  local log=$1
  shift
  nice -n 15 cmake --build "$build" -j"$jobs" --target "$@" >>"$log" 2>&1
}

run_tests() {  # LOG REGEX
  nice -n 15 ctest --test-dir "$build" -R "$2" --no-tests=error --output-on-failure >>"$1" 2>&1
}

# The tests that already fail, as a regular expression's matches are checked
# one mutant at a time below.
declare -A failing_regex=()
if [[ "${BASELINE:-1}" != 0 ]]; then
  declare -A seen=()
  for i in "${!ids[@]}"; do
    regex=${regexes[$i]}
    [[ -n "${seen[$regex]:-}" ]] && continue
    seen[$regex]=1
    read -r -a targets <<<"$("${mutate[@]}" targets "$build" "$regex")"
    log="$logs/baseline.log"
    echo "== baseline: $regex (${targets[*]:-no targets})" | tee -a "$log" >&2
    ((${#targets[@]})) || continue
    if ! build_targets "$log" "${targets[@]}" || ! run_tests "$log" "$regex"; then
      failing_regex[$regex]=1
      echo "   fails without a mutant: see $log" >&2
    fi
  done
fi

results=()
killed_all=1
for i in "${!ids[@]}"; do
  id=${ids[$i]} regex=${regexes[$i]}
  log="$logs/$id.log"
  : >"$log"
  where="-"
  result=""
  read -r -a targets <<<"$("${mutate[@]}" targets "$build" "$regex")"
  if [[ -n "${failing_regex[$regex]:-}" ]]; then
    result="baseline"
  elif ((${#targets[@]} == 0)); then
    result="no tests"
  elif ! where=$("${mutate[@]}" locate "$root" "${codes[$i]}" 2>>"$log"); then
    where="-"
    result="not found"
  else
    changed="$root/${where%:*}"
    cp "$changed" "$saved"
    "${mutate[@]}" apply "$root" "${codes[$i]}" "${faults[$i]}" >>"$log" 2>&1
    echo "== $id: $where" >&2
    if ! build_targets "$log" "${targets[@]}"; then
      result="build fails"
    elif run_tests "$log" "$regex"; then
      result="LIVED"
    else
      result="killed"
    fi
    restore
  fi
  [[ "$result" == killed ]] || killed_all=0
  echo "   $result" >&2
  results+=("$id"$'\t'"${areas[$i]}"$'\t'"$where"$'\t'"$regex"$'\t'"$result")
done

{
  printf 'id\tarea\tfound at\ttests\tresult\n'
  printf '%s\n' "${results[@]}"
} | tee "$logs/results.tsv" | column -t -s $'\t'
((killed_all)) && exit 0 || exit 1
