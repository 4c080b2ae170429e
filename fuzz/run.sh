#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz and runs each one over
# its seed corpus:
#   fuzz/run.sh SECONDS      each target for SECONDS seconds
#   fuzz/run.sh --runs N     each target for N executions (test.sh)
# New inputs the fuzzer finds go to build-fuzz/corpus, not into the committed
# seeds; a failing input is saved in build-fuzz as crash-* and the script
# exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
if [ "${1:-}" = "--runs" ]; then
  limit=(-runs="${2:?number of executions}")
else
  limit=(-max_total_time="${1:-60}")
fi
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz >/dev/null
export_sanitizer_options
while read -r target; do
  mkdir -p "build-fuzz/corpus/$target"
  start=$(date +%s%N)
  log="build-fuzz/$target.log"
  # -timeout: an input that takes seconds counts as a hang.
  if ! (cd build-fuzz && "./fuzz_$target" "${limit[@]}" -timeout=10 -max_len=4096 \
    -print_final_stats=1 "corpus/$target" "../fuzz/corpus/$target") >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $target FAILED (log: $log)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target: $runs executions in $((($(date +%s%N) - start) / 1000000)) ms"
done <build-fuzz/targets.txt
