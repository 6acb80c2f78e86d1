#!/usr/bin/env bash
# Installs only the Debian packages that are missing; runs apt-get update at most once.
# usage: install-deps.sh [run|deb|bench|test]   (default: run)
#   run    build and play (without a display: a private X server and a screenshot)
#   deb    run, plus what builds the Debian package
#   bench  run, plus XTest for the benchmark
#   test   everything: the test suite, its window manager and the packaging validators
set -euo pipefail

run=(g++ cmake make libx11-dev xvfb xfonts-base alsa-utils imagemagick x11-utils)
deb=(dpkg-dev file)
bench=(libxtst-dev)
test=(googletest libgtest-dev openbox desktop-file-utils appstream mandoc lintian)

case ${1:-run} in
  run) packages=("${run[@]}") ;;
  deb) packages=("${run[@]}" "${deb[@]}") ;;
  bench) packages=("${run[@]}" "${bench[@]}") ;;
  test) packages=("${run[@]}" "${deb[@]}" "${bench[@]}" "${test[@]}") ;;
  *) echo "usage: $0 [run|deb|bench|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
