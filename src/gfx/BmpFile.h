#pragma once

#include <cstdint>
#include <string>

#include "gfx/RgbBuffer.h"

namespace tarnbrook {

// Readers of uncompressed BMP files with 24, 8 or 4 bits per pixel and rows stored bottom-up.
// They trust nothing in the file: anything they cannot decode completely (a missing or short
// file, another kind of picture, a side that is not positive or too large, a palette or data
// offset outside the file, a palette index beyond the palette) gives the empty buffer.

constexpr int kBmpMaxSide = 32767;                 // X images are at most this wide and high
constexpr std::int64_t kBmpMaxPixels = 16 * 1024 * 1024;  // keeps a decoded picture under 48 MB
constexpr int kBmpMaxPaletteBytes = 1024;          // 256 entries of blue, green, red, unused

RgbBuffer ReadBmp24(const std::string& path);
RgbBuffer ReadBmp8(const std::string& path);

// Also writes the picture as a source array in the embedded 16-colour format beside the file
// (pic.bmp gives pic.bmp.c).
RgbBuffer ReadBmp4(const std::string& path);

// The data offset, width and height fields of the header as stored; false (and the outputs
// untouched) when the file cannot be opened or is shorter than its 54-byte header.
bool ReadBmpInfo(const std::string& path, int& width, int& height, int& dataOffset);

}  // namespace tarnbrook
