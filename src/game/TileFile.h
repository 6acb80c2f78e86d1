#pragma once

#include <string>
#include <vector>

namespace tarnbrook {

// The board's terrain tiles: one strip of 19 tiles of 27 x 27 pixels side by side, stored as
// raw red, green, blue bytes, rows from the top. Tile N is columns 27 N to 27 N + 26.
constexpr int kTileSide = 27;
constexpr int kTileCount = 19;
constexpr int kTileStripWidth = kTileSide * kTileCount;
constexpr int kTileFileBytes = kTileStripWidth * kTileSide * 3;
extern const char* const kTileFilePath;

// Reads the whole file at path, which must hold exactly expectedSize bytes, into buffer and
// its size into size. A missing file is logged as path + ": non trovato" and leaves buffer and
// size as they were. A file of another size, or one that cannot be read, is logged as
// "Errore loading " + path; buffer is then released and size becomes -1.
bool LoadBinaryFile(const std::string& path, std::vector<unsigned char>& buffer, int& size,
                    int expectedSize);

// One tile of a whole strip as a window icon: width, height, then the pixels row by row as
// opaque 0xAARRGGBB values (the layout of _NET_WM_ICON).
std::vector<unsigned long> TileIcon(const unsigned char* strip, int tile);

}  // namespace tarnbrook
