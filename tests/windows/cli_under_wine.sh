#!/usr/bin/env bash
# tamblor-cli.exe (TAMBLOR_WINDOWS_CLI) under wine, for the command line's black-box tests, which
# run this file in its place. Its output comes back as a text-mode read on Windows gives it, each
# CR LF as a line feed.
set -uo pipefail
wine_run=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-run
out=$(mktemp)
err=$(mktemp)
run() { "$wine_run" "$TAMBLOR_WINDOWS_CLI" "$@" >"$out" 2>"$err"; }
run "$@"
status=$?
# A failure with no word at all is wine failing to start the program, seen now and then on a busy
# machine: the program itself always says why it fails. Such a start is tried once more.
if [ $status -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  run "$@"
  status=$?
fi
sed 's/\r$//' "$out"
sed 's/\r$//' "$err" >&2
rm -f "$out" "$err"
exit $status
