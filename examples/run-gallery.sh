#!/usr/bin/env bash
# Builds the widget gallery and starts it on $DISPLAY. Without a display it runs the gallery on a
# private virtual X server, saves a screenshot of its window under build/ and ends both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTARNBROOK_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target tarnbrook_gallery
binary=build/release/tarnbrook_gallery

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$binary"
fi

echo "No \$DISPLAY: starting the gallery on a private virtual X server to take a screenshot."
source scripts/start-xvfb.sh
start_xvfb 24
"$binary" &
gallery=$!
stop_all() {
  kill "$gallery" 2>/dev/null || true
  wait "$gallery" 2>/dev/null || true
  stop_xvfb
}
trap stop_all EXIT

window=""
for _ in $(seq 100); do
  kill -0 "$gallery" 2>/dev/null || break
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Tarnbrook widget gallery"/ {print $1; exit}')
  [[ -n "$window" ]] && break
  sleep 0.1
done
if [[ -z "$window" ]]; then
  echo "The gallery showed no window; there is no screenshot to take."
  exit 0
fi

shot="$root/build/gallery-screenshot.png"
mkdir -p "$root/build"
# Give the first paint a moment to land before reading the window back.
sleep 1
import -window "$window" "$shot"
echo "Screenshot of the widget gallery: $shot"
