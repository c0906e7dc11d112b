#!/usr/bin/env bash
# Start-up of the planetarium window as users run it, timed from outside: from
# the launch of the shipped program to the X server's notice that its window
# is mapped, seen by a client listening before the launch (bench/map_timer),
# under Xvfb. Two yardsticks run in turn with it: the smallest Qt window, and
# the same window with one line of Japanese text (what the font system alone
# costs). Medians of RUNS launches each and the ratios are reported.
#
# Usage: bench/startup.sh [RUNS] [BUILD_DIR]        (defaults: 21, build/perf)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
dir=${2:-build/perf}

command -v xvfb-run >/dev/null || { echo "needs xvfb-run (scripts/install-deps.sh)" >&2; exit 1; }
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLANETARIUM_BENCH=ON >/dev/null
cmake --build "$dir" --target map_timer baseline_window planetarium >/dev/null

# The start file is read from the current directory: run in an empty one, so
# that every run starts from the defaults.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
timer=$(realpath "$dir/bench/map_timer")
baseline=$(realpath "$dir/bench/baseline_window")
planetarium=$(realpath "$dir/platform/window/planetarium")

measure() {  # measure RUNS: one line per program, "median_ms min_ms max_ms peak_rss_kb"
  (cd "$work" && xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    "$timer" "$1" "$planetarium" -- "$baseline" -- "$baseline" --label) | awk '{print $2, $4, $6, $8}'
}

measure 1 >/dev/null  # warm the page cache and the font cache once
mapfile -t lines < <(measure "$runs")
read -r plan_ms plan_min plan_max plan_kb <<<"${lines[0]}"
read -r base_ms base_min base_max base_kb <<<"${lines[1]}"
read -r label_ms label_min label_max label_kb <<<"${lines[2]}"
echo "launch to window mapped (Xvfb): medians of $runs launches each, in turn;" \
  "$(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '  %-34s %10s %16s %12s\n' program median "min to max" "peak RSS"
row() { printf '  %-34s %7.1f ms %7.1f to %5.1f %9d KiB\n' "$@"; }
row "empty window" "$base_ms" "$base_min" "$base_max" "$base_kb"
row "window with one Japanese label" "$label_ms" "$label_min" "$label_max" "$label_kb"
row "planetarium (the shipped program)" "$plan_ms" "$plan_min" "$plan_max" "$plan_kb"
awk -v pm="$plan_ms" -v bm="$base_ms" -v lm="$label_ms" 'BEGIN {
  printf "  ratio to the empty window:    %.2fx\n", pm / bm
  printf "  ratio to the labelled window: %.2fx\n", pm / lm
}'
