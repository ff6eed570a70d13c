#!/usr/bin/env bash
# The README's first command without a display: run.sh must write the converted sample and
# nothing else to standard output (the build goes to its log).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp)
trap 'rm -f "$out"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY ./scripts/run.sh >"$out" 2>/dev/null
if cmp -s "$out" tests/data/example1.pas; then
  echo "run.sh without a display: standard output is exactly the converted sample"
else
  echo "run.sh without a display wrote something other than the converted sample:" >&2
  diff <(cat -A tests/data/example1.pas) <(cat -A "$out") | head -n 20 >&2
  exit 1
fi
