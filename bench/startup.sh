#!/usr/bin/env bash
# Start-up time (launch to the first painted window) and peak resident memory of
# the planetarium window program against two yardsticks: the smallest Qt window,
# and the same window with one line of Japanese text (what the font system alone
# costs). The three programs are launched in turn, RUNS times each, and their
# medians and ratios reported (target: within 1.3x of the empty window).
#
# Measured on Qt's offscreen platform and, when xvfb-run is installed, on a real
# X server (Xvfb, Qt's xcb platform), where showing a window costs a round trip
# to the server and a shared-memory backing store.
#
# Usage: bench/startup.sh [RUNS] [BUILD_DIR]        (defaults: 21, build/perf)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
dir=${2:-build/perf}

[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLANETARIUM_BENCH=ON >/dev/null
cmake --build "$dir" --target startup_launcher baseline_window planetarium_first_paint >/dev/null

# The start file is read from the current directory: run in an empty one, so
# that every run starts from the defaults.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
launcher=$(realpath "$dir/bench/startup_launcher")
baseline=$(realpath "$dir/bench/baseline_window")
planetarium=$(realpath "$dir/bench/planetarium_first_paint")

# measure RUNS [COMMAND PREFIX...]: one line per program, "median_ms peak_rss_kb_median"
measure() {
  local count=$1
  shift
  (cd "$work" && "$@" "$launcher" "$count" "$baseline" -- "$baseline" --label -- "$planetarium" \
    2>/dev/null) | awk '{print $2, $10}'
}

report() {  # report TITLE [COMMAND PREFIX...]
  local title=$1
  shift
  measure 1 "$@" >/dev/null  # warm the page cache and the font cache once
  local lines
  mapfile -t lines < <(measure "$runs" "$@")
  read -r base_ms base_kb <<<"${lines[0]}"
  read -r label_ms label_kb <<<"${lines[1]}"
  read -r plan_ms plan_kb <<<"${lines[2]}"
  echo "$title: medians of $runs launches each, in turn; $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
  printf '  %-34s %10s %14s\n' program "first paint" "peak RSS"
  printf '  %-34s %8.1f ms %11d KiB\n' "baseline (empty window)" "$base_ms" "$base_kb"
  printf '  %-34s %8.1f ms %11d KiB\n' "baseline with one Japanese label" "$label_ms" "$label_kb"
  printf '  %-34s %8.1f ms %11d KiB\n' "planetarium window" "$plan_ms" "$plan_kb"
  awk -v pm="$plan_ms" -v bm="$base_ms" -v lm="$label_ms" -v pk="$plan_kb" -v bk="$base_kb" \
    -v lk="$label_kb" 'BEGIN {
      printf "  ratio to the empty window:  time %.2fx, memory %.2fx (target 1.3x)\n", pm / bm, pk / bk
      printf "  ratio to the labelled one:  time %.2fx, memory %.2fx\n", pm / lm, pk / lk
      printf "  beyond the labelled one:    %.1f ms, %d KiB\n", pm - lm, pk - lk
    }'
}

report "offscreen" env QT_QPA_PLATFORM=offscreen
if command -v xvfb-run >/dev/null; then
  report "X11 (Xvfb, xcb)" xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb
else
  echo "X11: xvfb-run is not installed (scripts/install-deps.sh installs it); skipped"
fi
