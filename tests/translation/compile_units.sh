#!/bin/bash
# Translates the .bas and .cls files of each VB6 project folder given (together, as one
# program) and compiles every translated unit with Free Pascal against the runtime units.
# Prints one line per unit and the totals; fails when any unit does not compile.
# Usage: compile_units.sh CONVERTER RUNTIME_DIR WORK_DIR PROJECT_DIR...
set -u
converter=$1 runtime=$2 work=$3
shift 3
total=0 compiled=0
# MsgBox and InputBox need the LCL's dialogs.
lcl=()
forms=$(ls /usr/lib/lazarus/*/lcl/units/*-linux/forms.ppu 2>/dev/null | head -1)
if [ -n "$forms" ]; then
  units_dir=$(dirname "$forms")
  root=$(cd "$units_dir/../../.." && pwd)
  lcl=(-dLCL -dLCLgtk2 -Fu"$units_dir" -Fu"$units_dir/gtk2" -Fu"$root/components/lazutils/lib/$(basename "$units_dir")")
fi
for project in "$@"; do
  name=$(basename "$project")
  out="$work/$name"
  rm -rf "$out" && mkdir -p "$out/src" "$out/units" "$out/list" || exit 1
  while IFS= read -r -d '' file; do
    ln -s "$file" "$out/list/$(basename "$file")"
  done < <(find "$project" -type f \( -iname '*.bas' -o -iname '*.cls' \) -print0)
  [ -n "$(ls "$out/list")" ] || continue
  "$converter" --translate -q --out-dir "$out/src" "$out/list" || echo "$name: translation reported failures"
  for unit in "$out"/src/*.pas; do
    [ -e "$runtime/$(basename "$unit")" ] && continue  # the runtime's own copy
    total=$((total + 1))
    if fpc -Mdelphiunicode -Sh -O1 -vew -Fu"$runtime" -Fu"$out/src" -FU"$out/units" "${lcl[@]}" "$unit" >"$unit.log" 2>&1; then
      compiled=$((compiled + 1))
      echo "ok      $name/$(basename "$unit")"
    else
      echo "FAILED  $name/$(basename "$unit"): $(grep -E '(Error|Fatal): ' "$unit.log" | grep -v 'returned an error' | head -3 | tr '\n' ' ')"
    fi
  done
done
echo "$compiled of $total translated units compiled"
[ "$compiled" -eq "$total" ]
