#!/usr/bin/env bash
# tamblor-cli.exe (TAMBLOR_WINDOWS_CLI) under wine, for the command line's black-box tests, which
# run this file in its place. Its output comes back as a text-mode read on Windows gives it, each
# CR LF as a line feed.
set -uo pipefail
wine_run=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-run
out=$(mktemp)
err=$(mktemp)
"$wine_run" "$TAMBLOR_WINDOWS_CLI" "$@" >"$out" 2>"$err"
status=$?
sed 's/\r$//' "$out"
sed 's/\r$//' "$err" >&2
rm -f "$out" "$err"
exit $status
