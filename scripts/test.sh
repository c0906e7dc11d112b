#!/usr/bin/env bash
# Builds everything and runs every test: the format check, the web page, the
# optimised build with warnings as errors and its tests (which open the page in
# headless Chromium), clang-tidy over the same build, the Debian package and its
# checks, the fuzz targets for a bounded time, then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer.
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

# Every C++ source in the .clang-format style (the generated star catalogue,
# an .inc file, is checked against its generator instead).
source_dirs=(text astro catalog chart app web platform tests bench fuzz)
find "${source_dirs[@]}" -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run --Werror

# The web page, compiled with emscripten into build/web, where the optimised
# suite's browser test finds it.
scripts/web.sh --build-only

run_suite build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLANETARIUM_BENCH=ON

# The checks of .clang-tidy over the project's own translation units in the
# release build's compile database (the toolkit's generated files left out).
tidy_log=build/release/clang-tidy.log
python3 -c 'import json, os
root = os.getcwd() + "/"
for unit in json.load(open("build/release/compile_commands.json")):
    if unit["file"].startswith(root) and not unit["file"].startswith(root + "build/"):
        print(unit["file"])' | sort -u |
  xargs -P "$jobs" -n 4 clang-tidy -p build/release --quiet >"$tidy_log" 2>&1 || {
  grep -v "warnings\? generated\.$" "$tidy_log"
  echo "clang-tidy found the problems above" >&2
  exit 1
}
echo "clang-tidy: no findings"

# The Debian package, built as a packager builds it (only Qt, no test
# frameworks), then checked unpacked, without installing it: lintian, the
# desktop entry, the metadata, the manual pages, the completion, the menu's start
# and the programs.
deb=$(scripts/package.sh | tail -n 1)
tests/dist/check_package.sh "$deb"

# Fuzzing with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer:
# each target about 20 s from its seed corpus; any crash, leak or sanitizer
# report fails the run and leaves the input in build/fuzz/artifacts.
fuzz_dir=build/fuzz
fuzz_targets=(text_number start_file exit_and_start sky_road)
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
