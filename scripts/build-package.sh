#!/usr/bin/env bash
# Builds the release program and packs it as build/tarnbrook_<version>_<arch>.deb.
# usage: build-package.sh RELEASE_BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=${1:?usage: build-package.sh RELEASE_BUILD_DIR OUTPUT_DIR}
output=${2:?usage: build-package.sh RELEASE_BUILD_DIR OUTPUT_DIR}
root=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARNBROOK_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target tarnbrook tarnbrook_docs
rm -f "$build"/package/tarnbrook_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
mkdir -p "$output"
for deb in "$build"/package/tarnbrook_*.deb; do
  cp "$deb" "$output/"
  echo "Package: $output/$(basename "$deb")"
done
