#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60), one after
# the other, from its seed corpus and with its dictionary. Exits non-zero when any target
# reports a crash, a leak, a timeout, running out of memory or a sanitizer finding; the input
# that caused it is left in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build/fuzz  # the binary directory of the preset "fuzz" of CMakePresets.json
jobs="${VELDRANE_JOBS:-$(nproc)}"

. scripts/presets.sh
cmake --preset fuzz -DVELDRANE_WERROR=ON >/dev/null
cmake --build --preset fuzz -j "$jobs"

# Seeds of fuzz_pipeline: each VB6 text as UTF-16LE with CR LF line breaks behind a
# run-control header that runs it whole, stops it and clears it (see fuzz/fuzz_pipeline.cpp
# for the layout). The real-code modules of the benchmarks are among them.
pipeline_seeds() {
  local dir=$1 text name header
  for text in tests/data/*.bas samples/*.bas fuzz/seeds/pipeline/*.bas bench/inputs/real_code/*; do
    name=$(basename "$text")
    for header in '\x00\x00\x00\x00' '\x01\x2a\x00\x00' '\x02\x07\x01\x00'; do
      { printf '%b' "$header"; sed 's/\r*$/\r/' "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$dir/$name-${header:2:2}"
    done
  done
}

# Seeds of fuzz_decoding: VB6 files (modules, a form and a class with designer headers,
# texts with Japanese and accented letters) as UTF-8 with and without a BOM, as UTF-16 in
# both byte orders with a BOM, and in the code pages they would have on a VB6 machine.
decoding_seeds() {
  local dir=$1 text name
  for text in tests/data/*.bas fuzz/seeds/decoding/*; do
    name=$(basename "$text")
    cp "$text" "$dir/$name.utf8"
    { printf '\xef\xbb\xbf'; cat "$text"; } >"$dir/$name.utf8bom"
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$text"; } >"$dir/$name.utf16le"
    { printf '\xfe\xff'; iconv -f UTF-8 -t UTF-16BE "$text"; } >"$dir/$name.utf16be"
    iconv -f UTF-8 -t WINDOWS-1252 "$text" >"$dir/$name.cp1252" 2>/dev/null || rm -f "$dir/$name.cp1252"
    iconv -f UTF-8 -t SHIFT_JIS "$text" >"$dir/$name.sjis" 2>/dev/null || rm -f "$dir/$name.sjis"
    iconv -f UTF-8 -t GBK "$text" >"$dir/$name.gbk" 2>/dev/null || rm -f "$dir/$name.gbk"
  done
}

# Seeds of fuzz_form_design: the fixture forms, as their bytes stand.
form_seeds() {
  cp tests/migration/data/forms/*.frm tests/migration/data/forms/*.ctl "$1"/
}

# Seeds of fuzz_vb_parser: the front end's fixtures (ASCII, read byte for byte).
vb_seeds() {
  cp tests/vb/fixtures/* "$1"/
}

status=0
run_target() {
  local target=$1 seeder=$2 dict=${3:-}
  local binary="$build/fuzz/$target"
  [ -x "$binary" ] || return 0
  local corpus="$build/corpus/$target" seeds="$build/seeds/$target" log="$build/logs/$target.log"
  mkdir -p "$corpus" "$build/artifacts/$target" "$build/logs"
  rm -rf "$seeds" && mkdir -p "$seeds"
  "$seeder" "$seeds"
  local args=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 -print_final_stats=1
    -artifact_prefix="$build/artifacts/$target/")
  if [ -n "$dict" ]; then args+=(-dict="$dict"); fi
  echo "== $target: ${seconds}s"
  if UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$binary" "${args[@]}" "$corpus" "$seeds" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
  else
    echo "$target FAILED (log: $log):"
    tail -n 60 "$log"
    status=1
  fi
}

run_target fuzz_pipeline pipeline_seeds fuzz/pipeline.dict
run_target fuzz_differential pipeline_seeds fuzz/pipeline.dict
run_target fuzz_decoding decoding_seeds fuzz/decoding.dict
run_target fuzz_form_design form_seeds fuzz/form_design.dict
run_target fuzz_vb_parser vb_seeds fuzz/vb_parser.dict
run_target fuzz_translation vb_seeds fuzz/vb_parser.dict
exit "$status"
