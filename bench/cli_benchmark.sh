#!/usr/bin/env bash
# Batch converter benchmark: converts a generated tree of 1,000 realistic VB6 sources
# (about 20 MB) with veldrane-convert at -j 1 and -j 2 and reports files/s and MB/s.
#
# usage: bench/cli_benchmark.sh [BUILD_DIR] [FILES] [BYTES_PER_FILE]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build}"
files="${2:-1000}"
size="${3:-20000}"
convert="$build/cli/veldrane-convert"
[ -x "$convert" ] || { echo "no $convert; build the project first" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bytes="$(python3 "$here/cli_generate_tree.py" "$work/src" "$files" "$size")"
echo "tree: $files files, $bytes bytes"

for jobs in 1 2; do
  start="$(date +%s.%N)"
  status=0
  "$convert" -q -j "$jobs" --out-dir "$work/out$jobs" "$work/src" || status=$?
  end="$(date +%s.%N)"
  converted="$(find "$work/out$jobs" -name '*.pas' | wc -l)"
  awk -v j="$jobs" -v s="$start" -v e="$end" -v f="$converted" -v b="$bytes" -v st="$status" 'BEGIN {
    t = e - s
    printf "-j %d: %d files in %.2f s (exit %d): %.1f files/s, %.2f MB/s\n", j, f, t, st, f / t, b / 1e6 / t
  }'
done
if diff -r "$work/out1" "$work/out2" >/dev/null; then
  echo "outputs of -j 1 and -j 2 are identical"
else
  echo "outputs of -j 1 and -j 2 differ" >&2
  exit 1
fi
