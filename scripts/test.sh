#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build with warnings as
# errors, the Debian package and its checks, the fuzz targets for a bounded
# time, then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
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

# The Debian package, built as a packager builds it (only Qt, no test
# frameworks), then checked unpacked, without installing it: lintian, the
# desktop entry, the metadata, the manual pages, the completion, the launcher
# and the programs.
deb=$(scripts/package.sh | tail -n 1)
tests/dist/check_package.sh "$deb"

# Fuzzing with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer:
# each target about 20 s from its seed corpus; any crash, leak or sanitizer
# report fails the run and leaves the input in build/fuzz/artifacts.
fuzz_dir=build/fuzz
fuzz_targets=(text_number start_file sky_road)
[ -f "$fuzz_dir/build.ninja" ] || CC=clang CXX=clang++ cmake -S . -B "$fuzz_dir" -G Ninja \
  -DPLANETARIUM_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLANETARIUM_FUZZ=ON
cmake --build "$fuzz_dir" -j "$jobs" --target "${fuzz_targets[@]/#/fuzz_}"
mkdir -p "$fuzz_dir/artifacts"
for target in "${fuzz_targets[@]}"; do
  mkdir -p "$fuzz_dir/corpus/$target"
  "$fuzz_dir/fuzz/fuzz_$target" "$fuzz_dir/corpus/$target" "fuzz/corpus/$target" \
    -max_total_time=20 -artifact_prefix="$fuzz_dir/artifacts/$target-" -print_final_stats=1
done

# Last, the sanitizer build, so that the run closes with the test summary.
run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DPLANETARIUM_SANITIZE=ON
