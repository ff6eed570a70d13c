#!/usr/bin/env bash
# Renders the window to docs/window-before.png, docs/window-after.png and
# docs/window-coloured.png: the bundled sample module pasted into Text1, the same window after
# VisualBasic⇒Delphi, then with 設定 → 構文の色分け on. Without a display
# it uses Qt's offscreen platform; with --xvfb it runs the X11 platform on a virtual server.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release  # the binary directory of the preset "release" of CMakePresets.json
. scripts/presets.sh
cmake --preset release >/dev/null
cmake --build --preset release --target veldrane -j2 >/dev/null
mkdir -p docs
run=(env "QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}")
if [ "${1:-}" = "--xvfb" ]; then run=(xvfb-run -a env QT_QPA_PLATFORM=xcb); fi
"${run[@]}" "$build/ui/veldrane" --screenshot docs/window-before.png docs/window-after.png docs/window-coloured.png \
  samples/example.bas
echo "wrote docs/window-before.png, docs/window-after.png and docs/window-coloured.png"
