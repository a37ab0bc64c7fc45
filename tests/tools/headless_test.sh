#!/usr/bin/env bash
# headless_test.sh KIRABO_ASSETS KIRABO_ART_BENCH: with no display and
# QT_QPA_PLATFORM unset the tools still draw every image.
set -euo pipefail
assets=$1 art_bench=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

"${headless[@]}" "$assets" --out "$tmp/out" > "$tmp/assets.log" 2>&1 ||
  { echo "kirabo-assets failed without a display:"; cat "$tmp/assets.log"; exit 1; }
pngs=$(find "$tmp/out" -name '*.png' | wc -l)
echo "kirabo-assets wrote $pngs images"
[ "$pngs" -gt 100 ] || { echo "too few images"; exit 1; }

"${headless[@]}" "$art_bench" 0 > "$tmp/bench.log" 2>&1 ||
  { echo "kirabo-art-bench failed without a display:"; cat "$tmp/bench.log"; exit 1; }
echo "headless tools test passed"
