#!/usr/bin/env bash
# Builds the planetarium and opens its window. Without a display it says so and
# writes a picture of the window instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run

dir=build/app
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$dir" -j "$(nproc)" --target planetarium planetarium-cli

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$dir/platform/window/planetarium"
fi
picture="$PWD/planetarium-window.png"
echo "No display found: writing a picture of the window to $picture"
QT_QPA_PLATFORM=offscreen "$dir/platform/cli/planetarium-cli" window --out "$picture"
