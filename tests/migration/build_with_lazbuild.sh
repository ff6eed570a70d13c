#!/bin/sh
# Migrates a fixture project, builds its .lpi with lazbuild and starts the program under Xvfb:
# a program with forms must still be running (showing its startup form) when stopped after a few
# seconds; with --translate (a project starting in Sub Main) it must end with status 0. Given
# EXPECTED, its startup form is closed after three seconds, as a user would, and what it printed must
# be EXPECTED's lines.
# Usage: build_with_lazbuild.sh CONVERT LAZBUILD XVFB_RUN PROJECT.vbp WORK_DIR [--translate [EXPECTED]]
set -eu
convert=$1 lazbuild=$2 xvfb_run=$3 vbp=$4 work=$5 translate=${6:-} expected_output=${7:-}
name=$(basename "$vbp" .vbp)
rm -rf "$work"
mkdir -p "$work"
"$convert" $translate --out-dir "$work/out" "$vbp"
"$lazbuild" --primary-config-path="$work/config" "$work/out/$name.lpi" > "$work/lazbuild.log" 2>&1 ||
  { tail -n 30 "$work/lazbuild.log"; exit 1; }
test -x "$work/out/$name" || { echo "no program $work/out/$name"; exit 1; }
status=0
if [ -n "$expected_output" ]; then
  VELDRANE_CLOSE_AFTER_MS=3000 timeout 30 "$xvfb_run" -a "$work/out/$name" > "$work/run.log" 2> "$work/stderr.log" ||
    status=$?
  if ! tr -d '\r' < "$expected_output" | diff -u - "$work/run.log"; then
    echo "the program printed otherwise than $expected_output (status $status)"
    cat "$work/stderr.log"
    exit 1
  fi
else
  timeout 5 "$xvfb_run" -a "$work/out/$name" > "$work/run.log" 2>&1 || status=$?
fi
# timeout stops xvfb-run with 124; anything else means the program ended by itself.
expected=124
[ -n "$translate" ] && expected=0
if [ "$status" -ne "$expected" ]; then
  echo "the program ended with status $status, not $expected:"
  cat "$work/run.log"
  exit 1
fi
