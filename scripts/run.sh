#!/usr/bin/env bash
# Builds Veldrane and starts the window; without a display, converts the bundled sample
# with the batch converter and prints the result.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/presets.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/ui/veldrane
fi
echo "No display: converting samples/example.bas with veldrane-convert" >&2
exec build/release/cli/veldrane-convert samples/example.bas
