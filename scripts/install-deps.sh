#!/usr/bin/env bash
# Installs only the Debian packages that are missing; runs apt-get update at most once.
set -euo pipefail

packages=(g++ cmake make libx11-dev libxtst-dev googletest libgtest-dev xvfb xfonts-base openbox
          alsa-utils imagemagick x11-utils)

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
