#!/usr/bin/env bash
# Remakes the BMP fixtures from the PPM pictures beside this script with ImageMagick, and writes
# what ImageMagick itself reads back from each (the .txt pixel listings the tests compare with).
# BMP3: is the 40-byte info header; without it ImageMagick writes the 124-byte version 5 header.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert

$convert colours40-6x4.ppm -type TrueColor BMP3:true-colour-6x4.bmp
$convert colours40-6x4.ppm -type TrueColor true-colour-v5-6x4.bmp
$convert colours40-6x4.ppm -type Palette -compress none BMP3:palette8-6x4.bmp
$convert colours40-6x4.ppm -type Palette -compress none palette8-v5-6x4.bmp
$convert colours16-7x5.ppm -type Palette -compress none BMP3:palette4-7x5.bmp
$convert colours16-7x5.ppm -type Palette -compress none palette4-v5-7x5.bmp
$convert colours16-20x20.ppm -type Palette -compress none BMP3:check.bmp

for bmp in *.bmp; do
  $convert "$bmp" txt:- > "${bmp%.bmp}.txt"
done
