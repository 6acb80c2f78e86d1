#!/usr/bin/env bash
# Random-input soak of the sanitized game (or gallery): for each seed, a private Xvfb with
# openbox, the program in a scratch folder with a copy of Data/ and silent fake aplay, firefox
# and thunderbird, and tools/soak/ feeding it clicks, keys and close requests for SECONDS.
# Findings (crashes, sanitizer reports, log lines, leaked children) and the memory and window
# figures are printed and kept under build/soak/. Exit status 1 when anything was found.
set -euo pipefail
usage="usage: soak.sh game|gallery SECONDS [SEED...]"
target=${1:?$usage}
seconds=${2:?$usage}
shift 2
seeds=("$@")
[[ ${#seeds[@]} -gt 0 ]] || seeds=(1)
case "$target" in
  game) program=tarnbrook ;;
  gallery) program=tarnbrook_gallery ;;
  *) echo "$usage" >&2; exit 2 ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/test"
[[ -f "$build/CMakeCache.txt" ]] ||
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTARNBROOK_SANITIZE=ON >/dev/null
cmake --build "$build" --target "$program" tarnbrook_soak >/dev/null
source "$root/scripts/start-xvfb.sh"

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0

scratch=""
openbox_pid=""
cleanup() {
  if [[ -n "$openbox_pid" ]]; then
    kill "$openbox_pid" 2>/dev/null || true
    wait "$openbox_pid" 2>/dev/null || true
    openbox_pid=""
  fi
  stop_xvfb
  [[ -z "$scratch" ]] || rm -rf "$scratch"
  scratch=""
}
trap cleanup EXIT

# Fake external commands: a sound takes a moment, a browser or mail program a little longer.
make_fakes() {
  mkdir -p "$1"
  printf '#!/bin/sh\nsleep 0.1\n' >"$1/aplay"
  printf '#!/bin/sh\nsleep 0.3\n' >"$1/firefox"
  printf '#!/bin/sh\nsleep 0.3\n' >"$1/thunderbird"
  chmod +x "$1/aplay" "$1/firefox" "$1/thunderbird"
}

status=0
for seed in "${seeds[@]}"; do
  output="$root/build/soak/$target-seed-$seed"
  rm -rf "$output"
  mkdir -p "$output"
  scratch=$(mktemp -d /tmp/tarnbrook-soak-XXXXXX)
  cp -r "$root/Data" "$scratch/Data"
  make_fakes "$scratch/bin"
  start_xvfb 24
  HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    openbox >/dev/null 2>&1 &
  openbox_pid=$!
  xvfb_start_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$XVFB_PID/status")
  echo "== $target, seed $seed, $seconds s, display $DISPLAY"
  if ! (cd "$scratch" && PATH="$scratch/bin:$PATH" \
        "$build/tools/tarnbrook_soak" "$build/$program" "$output" "$seconds" "$seed"); then
    status=1
  fi
  echo "Xvfb VmRSS $xvfb_start_kb -> $(awk '/^VmRSS/ {print $2}' "/proc/$XVFB_PID/status") kB" |
    tee -a "$output/summary.txt"
  cleanup
done
exit $status
