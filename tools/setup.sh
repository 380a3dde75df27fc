#!/usr/bin/env bash
# One-step set-up on Debian 12: installs what is missing, builds into build/
# (the default preset of CMakePresets.json), then either starts the program
# ("run") or runs the whole test suite ("test"): the suite with the short fuzz
# runs in build/, then again built with the address and undefined-behaviour
# sanitizers in build-asan/, then the tests that use threads built with the
# thread sanitizer in build-tsan/. Both modes configure build/ alike, so
# switching between them rebuilds nothing that is up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-run}

# What building and running need (lupdate and lrelease make the translations;
# Qt's own translations turn its dialogs' buttons into the user's language).
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgtest-dev libgmock-dev libboost-math-dev
  libxlsxwriter-dev libxcb1-dev libzip-dev
  fonts-liberation2 qt6-wayland qt6-translations-l10n
)
# What the tests add: the spreadsheet the exports open, X and Wayland sessions
# and their tools, a window manager that frames the window, the peers the
# results are compared with, the package and install checks (lintian judges
# the package as Debian would; unzip reads the workbooks the compare window
# saves), the accessibility bus and its Python bindings the screen-reader check drives the
# window through, clang for the
# sanitizer builds, the fuzz targets and the format check, lld to link the test
# programs.
if [ "$mode" = test ]; then
  packages+=(
    libreoffice-calc
    xvfb xdotool xclip imagemagick x11-utils openbox
    weston wl-clipboard qt6-gtk-platformtheme
    datamash
    desktop-file-utils appstream man-db dpkg-dev lintian python3 unzip
    at-spi2-core dbus-x11 python3-pyatspi gir1.2-atspi-2.0
    clang libclang-rt-14-dev clang-format lld
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The program's code is held to its warning set: any warning fails the build,
# in both modes (Debian 12's compiler is the one it is checked with).
cmake --preset default >/dev/null

case "$mode" in
  run)
    cmake --build --preset default --target tallowmere tallowmere-analyse
    exec build/bin/tallowmere
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen
    export QT_LOGGING_RULES="default.warning=false"
    export QTEST_FUNCTION_TIMEOUT=60000
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    export XDG_RUNTIME_DIR="$runtime"
    trap 'rm -rf "$runtime"' EXIT
    cmake --build --preset default
    failed=0
    # Three tests at a time on two cores: the window and session tests spend
    # much of their time waiting for a display, a window or the spreadsheet.
    # Includes the fuzz.* tests: libFuzzer targets built with clang and run
    # briefly on their seed corpus (tests/fuzz/run.sh).
    (cd build && ctest --output-on-failure -j3) || failed=1
    cat build/fuzz/logs/*.summary 2>/dev/null || true

    # The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer:
    # any report aborts the test that caused it. Benchmarks are left out. clang
    # at -O0 builds it in a quarter of the time GCC at -O1 takes, and compiling
    # the code with a second compiler catches what one of them lets pass.
    cmake --preset asan >/dev/null
    cmake --build --preset asan

    # The tests whose code shares work with a helper thread are built with
    # ThreadSanitizer and run meanwhile, at a lower priority: the suite's
    # window and session tests leave part of the two cores idle while they
    # wait. Any data race fails them.
    thread_tests=(two_threads_test large_lists_test list_file_test entry_lines_test statistics_test analysis_test
      table_columns_test two_thread_table_test xlsx_sheet_split_test ods_content_split_test)
    pattern="^($(IFS='|'; echo "${thread_tests[*]}"))\$"
    cmake --preset tsan >/dev/null
    (
      nice -n 10 cmake --build --preset tsan --target "${thread_tests[@]}" &&
        TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
          nice -n 10 ctest --test-dir build-tsan --output-on-failure -j2 -R "$pattern"
    ) >build-tsan/run.log 2>&1 &
    thread_run=$!

    (
      export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
      export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
      export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
      cd build-asan && ctest --output-on-failure -j3
    ) || failed=1

    wait "$thread_run" || failed=1
    echo "ThreadSanitizer build and run (build-tsan/run.log):"
    cat build-tsan/run.log
    exit "$failed"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
