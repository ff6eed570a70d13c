#!/usr/bin/env bash
# Builds Veldrane and starts the window; without a display, converts the bundled sample
# with the batch converter and prints the result. The build's own output goes to
# build/release/build.log (its last lines are shown on standard error when it fails), so
# standard output carries the program's output alone.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/presets.sh
log=build/release/build.log
mkdir -p build/release
echo "Building (log: $log)..." >&2
if ! { cmake --preset release && cmake --build --preset release --target veldrane veldrane-convert; } >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "The build failed; the whole log is in $log" >&2
  exit 1
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/ui/veldrane
fi
echo "No display: converting samples/example.bas with veldrane-convert" >&2
exec build/release/cli/veldrane-convert samples/example.bas
