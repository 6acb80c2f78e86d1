#!/usr/bin/env bash
# Builds the libFuzzer target of the BMP readers with clang into build/fuzz and prints how to run it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNBROOK_TESTS=OFF -DTARNBROOK_FUZZ=ON \
  -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" -j "$(nproc)" --target bmp_fuzzer

echo "Built $build/tests/fuzz/bmp_fuzzer. Run it, for example for ten minutes, with:"
echo "  mkdir -p $build/corpus && $build/tests/fuzz/bmp_fuzzer -max_total_time=600 \\"
echo "    -artifact_prefix=$build/ $build/corpus $root/tests/data/bmp"
