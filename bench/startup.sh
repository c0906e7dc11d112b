#!/usr/bin/env bash
# Start-up time (launch to the first painted window) and peak resident memory of
# the planetarium window program against the smallest Qt window, RUNS runs each,
# and their ratios (target: within 1.3x).
#
# Usage: bench/startup.sh [RUNS] [BUILD_DIR]        (defaults: 20, build/perf)
# Offscreen unless QT_QPA_PLATFORM is set; for a real X server under Xvfb:
#   xvfb-run -a env QT_QPA_PLATFORM=xcb bench/startup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
dir=${2:-build/perf}

[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLANETARIUM_BENCH=ON >/dev/null
cmake --build "$dir" --target startup_launcher baseline_window planetarium_first_paint >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# The start file is read from the current directory: run in an empty one, so
# that every run starts from the defaults.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
launcher=$(realpath "$dir/bench/startup_launcher")
baseline=$(realpath "$dir/bench/baseline_window")
planetarium=$(realpath "$dir/bench/planetarium_first_paint")

measure() {  # prints "mean_ms peak_rss_kb_mean"
  (cd "$work" && "$launcher" "$runs" "$@" 2>/dev/null) | awk '{print $4, $10}'
}

measure "$baseline" >/dev/null  # warm the page cache and the font cache once
measure "$planetarium" >/dev/null
read -r base_ms base_kb < <(measure "$baseline")
read -r label_ms label_kb < <(measure "$baseline" --label)
read -r plan_ms plan_kb < <(measure "$planetarium")

echo "platform: $QT_QPA_PLATFORM, $runs runs each, $(nproc) cores"
printf '%-34s %10s %14s\n' program "first paint" "peak RSS"
printf '%-34s %8.1f ms %11d KiB\n' "baseline (empty window)" "$base_ms" "$base_kb"
printf '%-34s %8.1f ms %11d KiB\n' "baseline with one Japanese label" "$label_ms" "$label_kb"
printf '%-34s %8.1f ms %11d KiB\n' "planetarium window" "$plan_ms" "$plan_kb"
awk -v pm="$plan_ms" -v bm="$base_ms" -v lm="$label_ms" -v pk="$plan_kb" -v bk="$base_kb" \
  -v lk="$label_kb" 'BEGIN {
    printf "ratio to the empty window:  time %.2fx, memory %.2fx (target 1.3x)\n", pm / bm, pk / bk
    printf "ratio to the labelled one:  time %.2fx, memory %.2fx\n", pm / lm, pk / lk
  }'
