#!/usr/bin/env bash
# Builds and runs every test: a normal build, then the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, then each fuzz target for a bounded time. The builds are
# the presets "test" and "sanitize" of CMakePresets.json (build/test, build/sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/presets.sh
jobs=$(nproc)

for preset in test sanitize; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

if [ -x scripts/fuzz.sh ]; then scripts/fuzz.sh "${VELDRANE_FUZZ_SECONDS:-60}"; fi
