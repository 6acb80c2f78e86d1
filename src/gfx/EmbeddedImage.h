#pragma once

#include <cstddef>

#include "gfx/RgbBuffer.h"

namespace tarnbrook {

// Pictures compiled into the program as byte arrays: a palette of 16 entries of red, green and
// blue, then ceil(width / 2) bytes of palette indices per row (high nibble = left pixel), rows
// from the bottom of the picture to the top.
constexpr std::size_t kEmbeddedPaletteEntries = 16;
constexpr std::size_t kEmbeddedPaletteBytes = kEmbeddedPaletteEntries * 3;

std::size_t EmbeddedRowBytes(int width);
std::size_t EmbeddedImageBytes(int width, int height);

// Decodes an embedded picture, which must hold EmbeddedImageBytes(width, height) bytes.
// A side that is not positive or a null array gives the empty buffer.
RgbBuffer Convert4BitImage(int width, int height, const unsigned char* data);
RgbBuffer Convert4BitImage(int width, int height, const char* data);

}  // namespace tarnbrook
