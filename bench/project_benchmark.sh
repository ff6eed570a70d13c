#!/usr/bin/env bash
# Project migration benchmark: migrates a generated VB6 project of 100 forms and 100 modules
# (about 4 MB of source) with veldrane-convert, RUNS times, and reports the median wall time
# and the largest peak memory (maximum resident set size, from GNU time).
#
# usage: bench/project_benchmark.sh [BUILD_DIR] [FORMS] [MODULES] [BYTES_PER_FILE] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build}"
forms="${2:-100}"
modules="${3:-100}"
size="${4:-20000}"
runs="${5:-5}"
convert="$build/cli/veldrane-convert"
[ -x "$convert" ] || { echo "no $convert; build the project first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs GNU time (/usr/bin/time)" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bytes="$(python3 "$here/project_generate.py" "$work/src" "$forms" "$modules" "$size")"
echo "project: $forms forms, $modules modules, $bytes bytes"

for run in $(seq "$runs"); do
  rm -rf "$work/out"
  /usr/bin/time -f "%e %M" -o "$work/time$run" "$convert" -q --out-dir "$work/out" "$work/src/Big.vbp"
done
units="$(find "$work/out" -name '*.pas' | wc -l)"
forms_written="$(find "$work/out" -name '*.dfm' | wc -l)"
echo "written: $units units, $forms_written forms, $(wc -c < "$work/out/Big.migration.md") bytes of report"
cat "$work"/time* | sort -n | awk -v b="$bytes" '
  { t[NR] = $1; if ($2 > m) m = $2 }
  END {
    med = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "median %.2f s over %d runs (min %.2f, max %.2f), %.2f MB/s, peak memory %.1f MB\n",
           med, NR, t[1], t[NR], b / 1e6 / med, m / 1024
  }'
