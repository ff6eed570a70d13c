#!/bin/sh
# Each real project folder given: its .vbp translated, built with lazbuild and started under Xvfb
# by build_with_lazbuild.sh. Prints one line per project (what failed, and why) and the totals;
# fails when any project does.
# A project whose members lie beside its folder (..\Shared\X.bas) while its copy keeps them inside
# is staged in WORK_DIR with those folders beside it and converted with --project-root.
# Usage: run_samples.sh CONVERT LAZBUILD XVFB_RUN BUILD_SCRIPT WORK_DIR PROJECT_DIR...
set -u
convert=$1 lazbuild=$2 xvfb_run=$3 build=$4 work=$5
shift 5
total=0 passed=0
for project in "$@"; do
  for vbp in "$project"/*.vbp; do
    [ -e "$vbp" ] || continue
    total=$((total + 1))
    name=$(basename "$project")
    out="$work/$name"
    rm -rf "$out" && mkdir -p "$out" || exit 1
    options=
    if grep -Eq '^(Form|Module|Class|UserControl|PropertyPage|Designer)=([^;]*; *)?\.\.\\' "$vbp"; then
      mkdir -p "$out/stage/project" && cp -R "$project"/. "$out/stage/project/" &&
        find "$project" -mindepth 1 -maxdepth 1 -type d -exec cp -R {} "$out/stage/" \; || exit 1
      vbp="$out/stage/project/$(basename "$vbp")"
      options="--project-root $out/stage"
    fi
    if CONVERT_OPTIONS=$options "$build" "$convert" "$lazbuild" "$xvfb_run" "$vbp" "$out/run" --translate \
      > "$out/result.log" 2>&1; then
      passed=$((passed + 1))
      echo "ok      $name $(grep '^note:' "$out/result.log" | tr '\n' ' ')"
    else
      echo "FAILED  $name: $(grep -v '^note:' "$out/result.log" | head -n 3 | tr '\n' ' ')"
    fi
  done
done
echo "$passed of $total sample projects built, started and closed"
[ "$total" -gt 0 ] && [ "$passed" -eq "$total" ]
