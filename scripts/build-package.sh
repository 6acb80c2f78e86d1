#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ with dpkg-buildpackage, in a copy of
# the sources under WORK_DIR (the package is built from what a clone holds, never from build
# outputs), and copies the binary package to OUTPUT_DIR/tarnbrook_<version>_<arch>.deb.
# Cross-builds for ARCH with the cross and nocheck profiles. DEB_BUILD_OPTIONS is honoured
# (nocheck skips the tests).
# usage: build-package.sh WORK_DIR OUTPUT_DIR [ARCH]
set -euo pipefail
work=${1:?usage: build-package.sh WORK_DIR OUTPUT_DIR [ARCH]}
output=${2:?usage: build-package.sh WORK_DIR OUTPUT_DIR [ARCH]}
root=$(cd "$(dirname "$0")/.." && pwd)
host=$(dpkg --print-architecture)
arch=${3:-$host}
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
source=$work/tarnbrook-$version

rm -rf "$work"
mkdir -p "$source" "$output"
"$root/scripts/export-sources.sh" "$source"

options=(-us -uc "-J$(nproc)")
if [[ $arch != "$host" ]]; then
  options+=(-a "$arch" -Pcross,nocheck)
fi
(cd "$source" && dpkg-buildpackage "${options[@]}")

deb=tarnbrook_${version}_$arch.deb
cp "$work/$deb" "$output/$deb"
echo "Package: $output/$deb (with the source package and the .changes in $work)"
