#!/bin/bash
# One program of the behaviour suite: translate NAME.bas (or every file of the folder NAME/),
# compile it with Free Pascal against the runtime units, run it in an empty directory and
# compare what it prints with NAME.expected, line for line.
# Usage: run_program.sh CONVERTER RUNTIME_DIR PROGRAM WORK_DIR
set -u
converter=$1 runtime=$(cd "$2" && pwd) program=${3%/} work=$4
name=$(basename "$program" .bas)
expected=${program%.bas}.expected
rm -rf "$work" && mkdir -p "$work/src" "$work/units" "$work/run" || exit 1

if ! "$converter" --translate -q --out-dir "$work/src" "$program"; then
  echo "translation of $program failed"
  exit 1
fi
main=$(grep -lis "^procedure Main;" "$work"/src/*.pas | head -1)
if [ -z "$main" ]; then
  echo "no unit of $program has a Sub Main"
  exit 1
fi
# The translated units: what the output holds besides the runtime's copies.
units=$(cd "$work/src" && for f in *.pas; do [ -e "$runtime/$f" ] || echo "${f%.pas}"; done | paste -sd, -)
cat > "$work/src/run_$name.dpr" <<DPR
{\$IFDEF FPC}{\$MODE DelphiUnicode}{\$ENDIF}
{\$APPTYPE CONSOLE}
program run_$name;
uses $units;
begin
  $(basename "$main" .pas).Main;
end.
DPR
if ! fpc -Mdelphiunicode -Sh -O1 -vew -Fu"$work/src" -FE"$work" -FU"$work/units" "$work/src/run_$name.dpr" >"$work/fpc.log" 2>&1; then
  echo "fpc could not compile the translation of $program (units in $work/src):"
  grep -E ": (Error|Fatal):|Error: " "$work/fpc.log" | grep -v Warning | head -40
  exit 1
fi
(cd "$work/run" && timeout 20 "../run_$name" >"$work/actual.txt" 2>"$work/stderr.txt")
status=$?
tr -d '\r' <"$expected" >"$work/expected.txt"
tr -d '\r' <"$work/actual.txt" >"$work/actual_lf.txt"
if ! diff -u "$work/expected.txt" "$work/actual_lf.txt"; then
  echo "output of $name differs from $expected (exit status $status)"
  cat "$work/stderr.txt"
  exit 1
fi
if [ $status -ne 0 ]; then
  echo "$name printed what was expected but ended with status $status"
  cat "$work/stderr.txt"
  exit 1
fi
