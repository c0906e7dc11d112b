#!/usr/bin/env bash
# Renders the icon's PNG sizes from planetarium.svg with rsvg-convert
# (librsvg2-bin) into this folder as planetarium-SIZE.png:
#
#     dist/icons/render-pngs.sh
#
# With --check it renders into a temporary folder instead and fails when a
# committed PNG differs, so that the PNGs cannot drift from the drawing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sizes=(16 32 48 64 128 256)

out=$here
if [ "${1:-}" = "--check" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
fi
for size in "${sizes[@]}"; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$out/planetarium-$size.png" "$here/planetarium.svg"
done
[ "$out" = "$here" ] && exit 0

status=0
for size in "${sizes[@]}"; do
  if ! cmp -s "$out/planetarium-$size.png" "$here/planetarium-$size.png"; then
    echo "dist/icons/planetarium-$size.png differs from planetarium.svg: run dist/icons/render-pngs.sh" >&2
    status=1
  fi
done
exit $status
