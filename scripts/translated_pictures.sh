#!/usr/bin/env bash
# Makes the README's pictures of a translated project: docs/translated-before.png, its startup
# form as VB's designer draws it (a sketch from the .frm), and docs/translated-after.png, the
# program --translate made of it, built with lazbuild and running on a virtual X server.
# Needs xwininfo and import (Debian: x11-utils, imagemagick) besides what setup.sh installs.
# Usage: scripts/translated_pictures.sh [PROJECT_DIR]  (default: a sample project beside the repository)
set -euo pipefail
cd "$(dirname "$0")/.."
project=${1:-../shared/samples/vb6-projects/ChuckBolin__VB6__Project1}
build=build/pictures
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELDRANE_BUILD_UI=OFF >/dev/null
cmake --build "$build" -j "${VELDRANE_JOBS:-2}" --target veldrane-convert form_sketch
work=$(mktemp -d)
trap 'kill "${program:-}" "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
vbp=$(ls "$project"/*.vbp | head -n 1)
startup=$(sed -n 's/^Startup="\(.*\)"\r\?$/\1/p' "$vbp")
form=$(grep -il "^Attribute VB_Name = \"$startup\"" "$project"/*.frm | head -n 1)
QT_QPA_PLATFORM=offscreen "$build/tools/form_pictures/form_sketch" "$form" windows-1252 \
  docs/translated-before.png "$work/sketch.dfm" >/dev/null
"$build/cli/veldrane-convert" --translate -q --out-dir "$work/out" "$vbp" || true
lpi=$(ls "$work"/out/*.lpi | head -n 1)
lazbuild --primary-config-path="$work/config" "$lpi" >"$work/lazbuild.log"
Xvfb :71 -screen 0 1280x900x24 >/dev/null 2>&1 &
server=$!
sleep 1
DISPLAY=:71 "${lpi%.lpi}" >/dev/null 2>&1 &
program=$!
sleep 4
# the program's largest top-level window
window=$(DISPLAY=:71 xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .* \([0-9]*\)x\([0-9]*\)+.*/\2 \3 \1/p' |
  while read -r width height id; do echo "$((width * height)) $id"; done | sort -n | tail -n 1 | cut -d' ' -f2)
DISPLAY=:71 import -window "$window" docs/translated-after.png
echo "docs/translated-before.png docs/translated-after.png"
