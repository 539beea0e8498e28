#!/usr/bin/env bash
# run.sh - builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs each for a while.
#
#   bash fuzz/run.sh [seconds-per-target] [target...]    (default 180 s; all targets)
#   bash fuzz/run.sh --seeds                             rewrite fuzz/corpus/ from our writers
#
# Targets: setup (Setup.ini), scores (nuscores.dat), png, wav, ogg. Each starts
# from fuzz/corpus/<target>/ (never written to); what it finds beyond the seeds
# goes to build-fuzz/corpus/<target>/, and any crash, leak or timeout to
# build-fuzz/findings/<target>/ with a non-zero exit. Two targets run at once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${CROWNLIFT_FUZZ_BUILD:-$root/build-fuzz}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCROWNLIFT_FUZZ=ON -DCROWNLIFT_SANITIZE=ON -DCROWNLIFT_TESTS=OFF -DCROWNLIFT_BENCH=OFF >/dev/null
targets=(setup scores png wav ogg)

if [[ "${1:-}" == "--seeds" ]]; then
  cmake --build "$build" -j2 --target crownlift_fuzz_corpus
  "$build/fuzz/crownlift_fuzz_corpus" "$here/corpus"
  du -sh "$here/corpus"
  exit 0
fi

seconds=${1:-180}
shift || true
[[ $# -gt 0 ]] && targets=("$@")
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

run_one() {
  local t=$1
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  # -timeout: a single input that takes this long is a hang; -rss_limit_mb: so
  # does a loader that tries to hold gigabytes.
  local status=0
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/fuzz_$t" "$build/corpus/$t" "$here/corpus/$t" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$t/" \
    >"$build/findings/$t.log" 2>&1 || status=$?
  local last
  last=$(grep -E '^#[0-9]+' "$build/findings/$t.log" | tail -1 || true)
  local runs
  runs=$(grep -E '^stat::number_of_executed_units' "$build/findings/$t.log" | awk '{print $2}' || true)
  printf '%-7s %s  runs=%s  exit=%d\n' "$t" "$last" "${runs:-?}" "$status"
  return $status
}

failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for t in "${targets[@]:i:2}"; do
    run_one "$t" & pids+=($!)
  done
  for p in "${pids[@]}"; do wait "$p" || failed=1; done
done
if ((failed)); then
  echo "findings in $build/findings/ (see the .log files)" >&2
  exit 1
fi
