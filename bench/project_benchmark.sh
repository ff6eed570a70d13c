#!/usr/bin/env bash
# Project migration benchmark: migrates a generated VB6 project of 100 forms and 100 modules
# (about 4 MB of source) with veldrane-convert, RUNS times, and reports the median wall time
# and CPU time (user + system) and the largest peak memory (maximum resident set size, from
# GNU time). On a shared machine the CPU time is the steadier figure.
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
  /usr/bin/time -f "%e %U %S %M" -o "$work/time$run" "$convert" -q --out-dir "$work/out" "$work/src/Big.vbp"
done
units="$(find "$work/out" -name '*.pas' | wc -l)"
forms_written="$(find "$work/out" -name '*.dfm' | wc -l)"
echo "written: $units units, $forms_written forms, $(wc -c < "$work/out/Big.migration.md") bytes of report"
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
wall="$(cat "$work"/time* | awk '{ print $1 }' | median)"
cpu="$(cat "$work"/time* | awk '{ print $2 + $3 }' | median)"
peak="$(cat "$work"/time* | awk '$4 > m { m = $4 } END { print m }')"
awk -v w="$wall" -v c="$cpu" -v p="$peak" -v b="$bytes" -v n="$runs" -v j="${JOBS:-1}" 'BEGIN {
  printf "-j %d, median of %d runs: %.2f s wall, %.2f s CPU (%.2f MB/s of CPU), peak memory %.1f MB\n",
         j, n, w, c, b / 1e6 / c, p / 1024
}'
