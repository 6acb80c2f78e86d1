#!/usr/bin/env bash
# Runs the whole CTest suite of a build folder on a private virtual X server.
set -euo pipefail
build=${1:?usage: run-tests.sh BUILD_DIR [CTEST_ARGS...]}
shift
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/start-xvfb.sh"

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0

start_xvfb 24
# Built without the sanitizers, the tests and the game get freed blocks filled by glibc, so a
# read of freed memory inside a library finds garbage, not the old values; the sanitizers'
# own allocator ignores this.
export GLIBC_TUNABLES=glibc.malloc.perturb=165
echo "Tests use the private X server $DISPLAY"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
