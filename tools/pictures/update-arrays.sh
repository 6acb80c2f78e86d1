#!/usr/bin/env bash
# Draws the main window's pictures again and refreshes their committed source arrays.
# Usage: tools/pictures/update-arrays.sh BUILD_DIR (a configured build folder, e.g. build/test)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?usage: update-arrays.sh BUILD_DIR}" && pwd)
cmake --build "$build" --target generate_pictures export_pictures
"$build/tools/generate_pictures" "$root/tools/pictures"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/tools/pictures/*.bmp "$work"/
"$build/tools/export_pictures" "$work"/*.bmp
mkdir -p "$root/src/game/pictures"
cp "$work"/*.bmp.c "$root/src/game/pictures/"
