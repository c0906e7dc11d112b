#!/usr/bin/env bash
# Builds the planetarium's web page with emscripten into build/web/
# (index.html, planetarium.js, planetarium.wasm), then serves that folder on
# http://127.0.0.1:8000/ until stopped. With --build-only it stops after building.
set -euo pipefail
cd "$(dirname "$0")/.."

build_only=false
case "${1:-}" in
  --build-only) build_only=true ;;
  "") ;;
  *)
    echo "usage: scripts/web.sh [--build-only]" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh web
# Debian's emscripten finds its JavaScript modules (acorn) only in Debian's own
# module folder, where another node that comes first on PATH does not look.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

dir=build/web-build
out="$PWD/build/web"
[ -f "$dir/build.ninja" ] || emcmake cmake -S . -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DPLANETARIUM_WERROR=ON -DPLANETARIUM_WEB_OUTPUT="$out"
cmake --build "$dir" -j "$(nproc)"
echo "The page is in $out"
$build_only && exit 0

port=8000
echo "Serving it on http://127.0.0.1:$port/ (Ctrl-C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$out"
