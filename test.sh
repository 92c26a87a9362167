#!/usr/bin/env bash
# Builds Tamblor and runs every test: the normal build, then the same suite under ASan and UBSan,
# then a short run of each fuzz target. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
jobs=$(nproc)
"$root/scripts/install-deps"

run_suite() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  "$root/scripts/with-display" ctest --test-dir "$dir" --output-on-failure -j"$jobs" --schedule-random
}

echo "== normal build"
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTAMBLOR_SANITIZE=ON
echo "== fuzz smoke"
FUZZ_SECONDS=${FUZZ_SMOKE_SECONDS:-5} "$root/scripts/run-fuzzers"
echo "all tests passed"
