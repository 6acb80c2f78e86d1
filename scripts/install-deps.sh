#!/usr/bin/env bash
# Installs only the Debian packages that are missing; runs apt-get update at most once.
# usage: install-deps.sh [run|deb|bench|test|matrix|clang|cross-ARCH]   (default: run)
#   run         build and play (without a display: a private X server and a screenshot)
#   deb         run, plus what builds the Debian package
#   bench       run, plus XTest for the benchmark
#   test        everything: the test suite, its window manager and the packaging validators
#   matrix      what makes other releases' roots and runs foreign programs
#   clang       clang with its sanitizer runtime
#   cross-ARCH  the cross compiler and the test build's libraries for ARCH (i386, arm64, s390x),
#               ARCH added to dpkg's architectures
set -euo pipefail

run=(g++ cmake make libx11-dev xvfb xfonts-base alsa-utils imagemagick x11-utils)
deb=(dpkg-dev file)
bench=(libxtst-dev)
test=(googletest libgtest-dev openbox desktop-file-utils appstream mandoc lintian)
matrix=(debootstrap qemu-user git)
clang=(clang libclang-rt-dev)
declare -A triples=([i386]=i686-linux-gnu [arm64]=aarch64-linux-gnu [s390x]=s390x-linux-gnu)

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

case ${1:-run} in
  run) packages=("${run[@]}") ;;
  deb) packages=("${run[@]}" "${deb[@]}") ;;
  bench) packages=("${run[@]}" "${bench[@]}") ;;
  test) packages=("${run[@]}" "${deb[@]}" "${bench[@]}" "${test[@]}") ;;
  matrix) packages=("${matrix[@]}") ;;
  clang) packages=("${clang[@]}") ;;
  cross-*)
    arch=${1#cross-}
    [[ -n ${triples[$arch]:-} ]] || { echo "$0: no cross build for $arch" >&2; exit 2; }
    if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
      $sudo dpkg --add-architecture "$arch"
    fi
    packages=("${run[@]}" "${bench[@]}" "${test[@]}" "g++-${triples[$arch]}")
    for p in libx11-dev libxtst-dev libgtest-dev libstdc++6; do packages+=("$p:$arch"); done ;;
  *) echo "usage: $0 [run|deb|bench|test|matrix|clang|cross-ARCH]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
