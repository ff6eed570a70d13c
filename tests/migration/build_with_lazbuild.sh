#!/bin/sh
# Migrates a fixture project, builds its .lpi with lazbuild and starts the program under Xvfb:
# a program with forms must still be running (showing its startup form) when stopped after a few
# seconds. With --translate (and any further converter options; a converter status other than 0
# is then noted, not fatal, as long as the project was written) the program runs with
# VELDRANE_CLOSE_AFTER_MS set, so the runtime closes its startup form: it must end with status 0
# and, when the project starts with a form, report that form shown with as many controls as its
# .dfm places visibly.
# Usage: build_with_lazbuild.sh CONVERT LAZBUILD XVFB_RUN PROJECT.vbp WORK_DIR [--translate [OPTION...]]
set -eu
convert=$1 lazbuild=$2 xvfb_run=$3 vbp=$4 work=$5
shift 5
translate=${1:-}
name=$(basename "$vbp" .vbp)
rm -rf "$work"
mkdir -p "$work"
converted=0
"$convert" "$@" --out-dir "$work/out" "$vbp" > "$work/convert.log" 2>&1 || converted=$?
if [ "$converted" -ne 0 ]; then
  # A translated project with constructs left untranslated still has to build and run.
  [ -n "$translate" ] && [ -e "$work/out/$name.lpi" ] ||
    { echo "the converter ended with status $converted:"; tail -n 20 "$work/convert.log"; exit 1; }
  echo "note: the converter ended with status $converted ($(grep -c . "$work/convert.log") lines in $work/convert.log)"
fi
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
  VELDRANE_CLOSE_AFTER_MS=${VELDRANE_CLOSE_AFTER_MS:-1000} timeout 30 "$xvfb_run" -a "$work/out/$name" > "$work/run.log" 2>&1 || status=$?
else
  # timeout stops xvfb-run with 124; anything else means the program ended by itself.
  timeout 5 "$xvfb_run" -a "$work/out/$name" > "$work/run.log" 2>&1 || status=$?
fi
if [ "$status" -ne "$expected" ]; then
  echo "the program ended with status $status, not $expected:"
  tail -n 20 "$work/run.log"
  exit 1
fi
[ -n "$translate" ] || exit 0
startup=$(sed -n 's/^Startup="\(.*\)"\r*$/\1/p' "$vbp")
case "$startup" in "" | "Sub Main") exit 0 ;; esac
dfm=$(grep -il -m1 "^object $startup:" "$work/out"/*.dfm "$work/out"/*/*.dfm 2>/dev/null | head -n 1) ||
  true
[ -n "$dfm" ] || { echo "no .dfm of the startup form $startup"; exit 1; }
form=$(sed -n '1s/^object \([^:]*\):.*/\1/p' "$dfm")
want="veldrane: shown $form $(visible_controls "$dfm") controls"
grep -qxF "$want" "$work/run.log" || { echo "expected \"$want\", the program wrote:"; tail -n 20 "$work/run.log"; exit 1; }
