#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite (unit and
# end-to-end; the end-to-end tests start their own Xvfb): first the release
# build, then again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"

run_suite() {  # run_suite BUILD_DIR [cmake options...]
  local dir=$1; shift
  echo "== building $dir"
  "$root/scripts/build.sh" "$dir" "$@"
  echo "== testing $dir"
  (cd "$root/$dir" && ctest --output-on-failure -j "$(nproc)" --timeout 900)
}

run_suite build
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build-asan -DCROWNLIFT_SANITIZE=ON -DCROWNLIFT_BENCH=OFF
