#!/usr/bin/env bash
# Builds the libFuzzer targets natively with clang and runs each for a bounded
# time from its committed seed corpus. A property that fails or a sanitizer
# report stops the target; its input is kept in build/fuzz/crashes/ and the
# run fails. New inputs found on the way go to build/fuzz/corpus/, never into
# the seeds.
# Usage: run_fuzzers.sh [seconds per target, default 4]
set -euo pipefail
seconds=${1:-4}
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$repo/build/fuzz

source "$repo/tests/customui_schema.sh"
korvanta_find_customui_schema "$repo"
if [ -n "$schema" ]; then
  echo "File menu documents are validated against $schema"
else
  echo "customUI schema not found: File menu documents are checked for well-formedness only (skipped: validity;" \
       "set KORVANTA_CUSTOMUI_SCHEMA to the schema for libxml2 to check it)"
fi
export KORVANTA_CUSTOMUI_SCHEMA=$schema

[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$repo/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

status=0
mkdir -p "$build/crashes"
for target in file_menu stored_value recent_id escape; do
  mkdir -p "$build/corpus/$target"
  log=$build/$target.log
  if "$build/${target}_fuzzer" "$build/corpus/$target" "$repo/tests/fuzz/seeds/$target" \
       -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" \
       >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${runs:-?} executions in ${seconds}s, no failure"
  else
    echo "fuzz $target: FAILED, input kept in $build/crashes/"
    tail -40 "$log"
    status=1
  fi
done
exit $status
