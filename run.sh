#!/usr/bin/env bash
# Builds Tamblor and starts the desktop program in the current directory, where "Tamblor.dat" is kept.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/scripts/install-deps"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target tamblor tamblor-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display; run it from a desktop session, or try: scripts/with-display $root/build/bin/tamblor" >&2
  exit 1
fi
export GDK_GL=disable
exec "$root/build/bin/tamblor"
