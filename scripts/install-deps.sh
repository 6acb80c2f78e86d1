#!/usr/bin/env bash
# Installs only the Debian packages that are missing; runs apt-get update at most once.
# usage: install-deps.sh [run|deb|bench|test|matrix|clang|cross-ARCH|release] [ARCH]
#   run         build and play (without a display: a private X server and a screenshot)
#   deb         run, plus what builds the Debian package: debhelper and the Build-Depends of
#               debian/control; with ARCH, those of a cross-build for ARCH and its cross compiler
#   bench       run, plus XTest for the benchmark
#   test        everything: the test suite, its window manager and the packaging validators
#   matrix      what makes other releases' roots and runs foreign programs
#   clang       clang with its sanitizer runtime
#   cross-ARCH  the cross compiler and the test build's libraries for ARCH (i386, arm64, s390x),
#               ARCH added to dpkg's architectures
#   release     deb for this machine, i386 and arm64, plus what scripts/release-check.sh uses:
#               hardening-check, diffoscope, lintian, debootstrap, qemu-user and arm64's run-time
#               libraries, and the tools that find and close the game's window
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

run=(g++ cmake make libx11-dev xvfb xfonts-base alsa-utils imagemagick x11-utils)
deb=(dpkg-dev debhelper file)
bench=(libxtst-dev)
test=(googletest libgtest-dev openbox desktop-file-utils appstream mandoc lintian)
matrix=(debootstrap qemu-user git)
clang=(clang libclang-rt-dev)
declare -A triples=([i386]=i686-linux-gnu [arm64]=aarch64-linux-gnu [s390x]=s390x-linux-gnu)
release=(devscripts diffoscope-minimal lintian debootstrap qemu-user xdotool libx11-protocol-perl
         libc6:arm64 libgcc-s1:arm64 libstdc++6:arm64 libx11-6:arm64)

group=${1:-run}
native=$(dpkg --print-architecture)
arches=()  # architectures whose build dependencies are needed
case $group in
  run) packages=("${run[@]}") ;;
  deb) packages=("${run[@]}" "${deb[@]}"); arches=("${2:-$native}") ;;
  bench) packages=("${run[@]}" "${bench[@]}") ;;
  test) packages=("${run[@]}" "${deb[@]}" "${bench[@]}" "${test[@]}"); arches=("$native") ;;
  matrix) packages=("${matrix[@]}") ;;
  clang) packages=("${clang[@]}") ;;
  cross-*)
    arch=${group#cross-}
    [[ -n ${triples[$arch]:-} ]] || { echo "$0: no cross build for $arch" >&2; exit 2; }
    packages=("${run[@]}" "${bench[@]}" "${test[@]}" "g++-${triples[$arch]}")
    for p in libx11-dev libxtst-dev libgtest-dev libstdc++6; do packages+=("$p:$arch"); done ;;
  release) packages=("${run[@]}" "${deb[@]}" "${release[@]}"); arches=("$native" i386 arm64) ;;
  *) echo "usage: $0 [run|deb|bench|test|matrix|clang|cross-ARCH|release] [ARCH]" >&2; exit 2 ;;
esac

foreign=()
for arch in "${arches[@]}"; do
  if [[ $arch != "$native" ]]; then
    foreign+=("$arch")
    [[ -n ${triples[$arch]:-} ]] || { echo "$0: no cross build for $arch" >&2; exit 2; }
    packages+=("g++-${triples[$arch]}")
  fi
done
for p in "${packages[@]}"; do
  [[ $p == *:* ]] && foreign+=("${p#*:}")
done

# dpkg-checkbuilddeps answers for debian/control; a cross-build leaves the tests out.
build_deps_missing() {
  local arch=$1
  command -v dpkg-checkbuilddeps >/dev/null || return 0
  if [[ $arch == "$native" ]]; then
    ! (cd "$root" && dpkg-checkbuilddeps >/dev/null 2>&1)
  else
    ! (cd "$root" && dpkg-checkbuilddeps -a "$arch" -P cross,nocheck >/dev/null 2>&1)
  fi
}

missing=() enable=() build_deps=()
# A package without an architecture is wanted for this machine's (or for all).
installed() {
  local wanted="$native|all"
  [[ $1 == *:* ]] && wanted=${1#*:}
  dpkg-query -W -f='${Architecture} ${Status}\n' "$1" 2>/dev/null |
    grep -qE "^($wanted) install ok installed$"
}
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
for arch in $(printf '%s\n' "${foreign[@]}" | sort -u); do
  dpkg --print-foreign-architectures | grep -qx "$arch" || enable+=("$arch")
done
for arch in "${arches[@]}"; do
  build_deps_missing "$arch" && build_deps+=("$arch")
done
[[ ${#missing[@]} -eq 0 && ${#enable[@]} -eq 0 && ${#build_deps[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# Other work on the machine may hold the package manager's lock for a while.
apt=(apt-get -o DPkg::Lock::Timeout=600)
for arch in "${enable[@]}"; do
  echo "Enabling the $arch architecture (multiarch)"
  $sudo dpkg --add-architecture "$arch"
done
$sudo "${apt[@]}" update
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  $sudo "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
fi
for arch in "${build_deps[@]}"; do
  echo "Installing the build dependencies of debian/control for $arch"
  if [[ $arch == "$native" ]]; then
    (cd "$root" && $sudo "${apt[@]}" build-dep -y --no-install-recommends ./)
  else
    (cd "$root" && $sudo "${apt[@]}" build-dep -y --no-install-recommends -a "$arch" -P cross,nocheck ./)
  fi
done
