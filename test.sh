#!/usr/bin/env bash
# Builds Tamblor and runs every test: the Release build that the Debian package is made from (with
# the benchmarks and tools, so that they keep building), its tests and the package's checks; then
# the same suite under ASan and UBSan, a short run of each fuzz target, and the formatting check.
# Warnings are errors here. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
jobs=$(nproc)
"$root/scripts/install-deps"

run_tests() {
  "$root/scripts/with-display" ctest --test-dir "$1" --output-on-failure -j"$jobs" --schedule-random
}

echo "== Release build with Debian's flags, and its package"
"$root/scripts/package" "$root/build" -DTAMBLOR_WERROR=ON -DTAMBLOR_BUILD_TESTS=ON \
  -DTAMBLOR_BUILD_BENCH=ON
run_tests "$root/build"
"$root/scripts/check-package" "$root/build"

echo "== sanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTAMBLOR_SANITIZE=ON \
  -DTAMBLOR_WERROR=ON >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
run_tests "$root/build-asan"

echo "== fuzz smoke"
FUZZ_SECONDS=${FUZZ_SMOKE_SECONDS:-5} "$root/scripts/run-fuzzers"

echo "== formatting"
unformatted=$(cd "$root" && git ls-files --cached --others --exclude-standard '*.h' '*.cpp' |
  xargs clang-format --dry-run 2>&1 |
  sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: .*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
  echo "formatting: these differ from .clang-format ('make format' mends them):" $unformatted
  exit 1
fi
echo "all tests passed"
