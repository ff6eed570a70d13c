#!/usr/bin/env bash
# Makes the README's before/after pictures of a migrated form: docs/form-before.png, the VB6
# form as its designer draws it (a sketch from the .frm), and docs/form-after.png, the migrated
# .dfm as Lazarus's LCL renders it (the form checker under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/pictures}
form=tests/migration/data/forms/intrinsic_controls.frm
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELDRANE_BUILD_UI=OFF >/dev/null
cmake --build "$build" -j "${VELDRANE_JOBS:-2}" --target form_sketch lcl_form_check
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
methods=$(QT_QPA_PLATFORM=offscreen "$build/tools/form_pictures/form_sketch" "$form" windows-1252 \
  docs/form-before.png "$work/form.dfm")
xvfb-run -a "$build/tools/lcl_form_check/bin/lcl_form_check" "$work/form.dfm" --methods "$methods" \
  --png docs/form-after.png
echo "docs/form-before.png docs/form-after.png"
