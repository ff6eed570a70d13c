#!/usr/bin/env bash
# Builds and runs every test: a normal build, then the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, then each fuzz target for a bounded time, then the
# README's run command without a display and the Debian package's contents. The builds are
# the presets of CMakePresets.json (build/<preset>); a warning fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/presets.sh
jobs=$(nproc)

for preset in test sanitize; do
  cmake --preset "$preset" -DVELDRANE_WERROR=ON
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

if [ -x scripts/fuzz.sh ]; then scripts/fuzz.sh "${VELDRANE_FUZZ_SECONDS:-60}"; fi
scripts/check_run.sh
scripts/check_package.sh
