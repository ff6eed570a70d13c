#!/bin/sh
# Migrates a fixture project, builds its .lpi with lazbuild and starts the program under Xvfb:
# a program with forms must still be running (showing its startup form) when stopped after a few
# seconds. With --translate the program runs with VELDRANE_CLOSE_AFTER_MS set, so the runtime
# closes its startup form after a second, as a user would: it must end with status 0, report that
# form shown with as many controls as its .dfm places visibly and, given EXPECTED, print EXPECTED's
# lines. A translation that leaves constructs untranslated (converter status 1) is noted, not
# fatal, as long as the project was written. CONVERT_OPTIONS holds further converter options.
# Usage: build_with_lazbuild.sh CONVERT LAZBUILD XVFB_RUN PROJECT.vbp WORK_DIR [--translate [EXPECTED]]
set -eu
convert=$1 lazbuild=$2 xvfb_run=$3 vbp=$4 work=$5 translate=${6:-} expected_output=${7:-}
name=$(basename "$vbp" .vbp)
rm -rf "$work"
mkdir -p "$work"
converted=0
# shellcheck disable=SC2086 # CONVERT_OPTIONS is a list of words
"$convert" $translate ${CONVERT_OPTIONS:-} --out-dir "$work/out" "$vbp" > "$work/convert.log" 2>&1 || converted=$?
if [ "$converted" -ne 0 ]; then
  if [ -z "$translate" ] || ! ls "$work/out"/*.lpi > /dev/null 2>&1; then
    echo "the converter ended with status $converted:"
    tail -n 20 "$work/convert.log"
    exit 1
  fi
  echo "note: the converter ended with status $converted ($(grep -c . "$work/convert.log") lines in $work/convert.log)"
fi
# The project's Name, which names the .lpi, may differ from the .vbp's file name.
[ -e "$work/out/$name.lpi" ] || name=$(basename "$(ls "$work/out"/*.lpi | head -n 1)" .lpi)
"$lazbuild" --primary-config-path="$work/config" "$work/out/$name.lpi" > "$work/lazbuild.log" 2>&1 ||
  { grep -E '(Error|Fatal):' "$work/lazbuild.log" | head -n 20; tail -n 5 "$work/lazbuild.log"; exit 1; }
test -x "$work/out/$name" || { echo "no program $work/out/$name"; exit 1; }

# The controls a .dfm shows: objects with a Width (controls; menus, timers and dialogs have none)
# that are not Visible = False and lie in no hidden container.
visible_controls() {
  awk 'function settle() {
         if (depth > 0 && !settled[depth]) {
           settled[depth] = 1
           shown[depth] = depth == 1 || (shown[depth - 1] && visible[depth])
           if (depth > 1 && shown[depth] && sized[depth]) n++
         }
       }
       /^[ \t]*(object|inherited|inline) / { settle(); depth++; visible[depth] = 1; sized[depth] = 0; settled[depth] = 0; next }
       /^[ \t]*end[ \t\r]*$/ { settle(); depth--; next }
       /^[ \t]*Visible = False/ { visible[depth] = 0 }
       /^[ \t]*Width = / { sized[depth] = 1 }
       END { print n + 0 }' "$1"
}

status=0
expected=124
if [ -n "$translate" ]; then
  expected=0
  VELDRANE_CLOSE_AFTER_MS=1000 timeout 30 "$xvfb_run" -a "$work/out/$name" > "$work/run.log" 2> "$work/stderr.log" ||
    status=$?
else
  # timeout stops xvfb-run with 124; anything else means the program ended by itself.
  timeout 5 "$xvfb_run" -a "$work/out/$name" > "$work/run.log" 2>&1 || status=$?
fi
if [ "$status" -ne "$expected" ]; then
  echo "the program ended with status $status, not $expected:"
  tail -n 20 "$work/run.log"
  [ -e "$work/stderr.log" ] && tail -n 20 "$work/stderr.log"
  exit 1
fi
[ -n "$translate" ] || exit 0
if [ -n "$expected_output" ] && ! tr -d '\r' < "$expected_output" | diff -u - "$work/run.log"; then
  echo "the program printed otherwise than $expected_output"
  cat "$work/stderr.log"
  exit 1
fi
startup=$(sed -n 's/^Startup="\(.*\)"\r*$/\1/p' "$vbp")
case "$startup" in "" | "Sub Main") exit 0 ;; esac
dfm=$(grep -il "^object $startup:" "$work/out"/*.dfm "$work/out"/*/*.dfm 2>/dev/null | head -n 1) || true
[ -n "$dfm" ] || { echo "no .dfm of the startup form $startup"; exit 1; }
form=$(sed -n '1s/^object \([^:]*\):.*/\1/p' "$dfm")
want="veldrane: shown $form $(visible_controls "$dfm") controls"
grep -qxF "$want" "$work/run.log" || { echo "expected \"$want\", the program wrote:"; tail -n 20 "$work/run.log"; exit 1; }
