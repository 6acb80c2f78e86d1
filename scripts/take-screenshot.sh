#!/usr/bin/env bash
# Makes docs/screenshot.png, the picture at the top of README.md, from the real game: the release
# build started by run-game.sh on a private virtual X server, its window saved without metadata.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTARNBROOK_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target tarnbrook
rm -f build/tarnbrook-screenshot.png
env -u DISPLAY scripts/run-game.sh build/release/tarnbrook
mkdir -p docs
convert build/tarnbrook-screenshot.png -strip docs/screenshot.png
echo "Saved docs/screenshot.png"
