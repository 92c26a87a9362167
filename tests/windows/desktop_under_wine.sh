#!/usr/bin/env bash
# The Windows desktop program under wine, used as a person would on a display of its own: started
# in an empty folder it shows the window "zadazud"; 289 typed and Enter fill the three result rows;
# closed, it leaves Tamblor.dat with the default settings in CR LF lines.
# Usage: desktop_under_wine.sh tamblor.exe window_probe.exe
set -euo pipefail
wine_run=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-run
program=$(realpath "$1") probe=$(realpath "$2")
folder=$(mktemp -d)
pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$folder"
}
trap finish EXIT
fail() { echo "desktop_under_wine: $*" >&2; exit 1; }
cd "$folder"

# The X window of the process started here: wine marks its windows with the process id.
started=$(date +%s%N)
"$wine_run" "$program" & pid=$!
window=
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended before showing a window"
  sleep 0.05
done
[ -n "$window" ] || fail "no window within 30 s"
echo "window shown after $(( ($(date +%s%N) - started) / 1000000 )) ms"
[ "$(xdotool getwindowname "$window")" = zadazud ] ||
  fail "the window is titled '$(xdotool getwindowname "$window")'"

# Typed keys go to the box that has the focus once the window is ready to take them.
xdotool windowfocus --sync "$window"
# Each control's id and text; a Windows program's output has CR LF line ends.
texts() { "$wine_run" "$probe" texts "$window" | tr -d '\r'; }
field() { texts | sed -n "s/^$1\t//p"; }
for _ in $(seq 50); do
  xdotool type --delay 30 289
  [ "$(field 1000)" = 289 ] && break
  xdotool key ctrl+a BackSpace
  sleep 0.2
done
[ "$(field 1000)" = 289 ] || fail "the required-value box holds '$(field 1000)' after typing 289"
xdotool key Return

# Control id and text of each result field after the calculation.
expected=$(printf '%s\t%s\n' 1006 288R934 1007 470R 1009 E24 1008 750R 1030 E24 1011 -0.0227 \
  1018 'in parallel' 1002 288R462 1010 -0.1863 1012 289R412 1016 +0.1425 | sort)
actual=
for _ in $(seq 100); do
  actual=$(texts | grep -E '^10(0[26-9]|1[0-268]|30)\b' | sort)
  [ "$actual" = "$expected" ] && break
  sleep 0.1
done
[ "$actual" = "$expected" ] || fail "result fields after 289: $(diff <(echo "$expected") <(echo "$actual"))"
echo "289 calculated"

"$wine_run" "$probe" close "$window"
for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
wait "$pid" || fail "the program exited with status $?"
pid=

expected_file=$(printf '%s\r\n' "NO_TIPS = FALSE" "NO_BANDS = FALSE" "E24_4 = TRUE" "E24_5 = FALSE" \
  "E24_6 = FALSE" "E96_5 = TRUE" "E96_6 = FALSE" "E24ONLY = TRUE" "USE_1PC = TRUE" \
  "E24MIN = 1.000000" "E24MAX = 10000000.000000" "E96MIN = 1.000000" "E96MAX = 1000000.000000" \
  "E24SZN = 1R" "E24SZM = 10M" "E96SZN1 = 1R" "E96SZN2 = 51R1" "E96SZM1 = 1M" "E96SZM2 = 1M" \
  "NOT_ONTOP = FALSE" | od -c)
[ -f Tamblor.dat ] || fail "no Tamblor.dat after closing"
[ "$(od -c <Tamblor.dat)" = "$expected_file" ] || fail "Tamblor.dat differs: $(cat -A Tamblor.dat)"
echo "Tamblor.dat written with CR LF line ends"
