#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build with warnings as
# errors, then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DPLANETARIUM_WERROR=ON "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure
}

run_suite build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLANETARIUM_BENCH=ON
run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DPLANETARIUM_SANITIZE=ON
