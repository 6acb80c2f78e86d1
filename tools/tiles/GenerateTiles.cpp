// Writes terreno27x27.bin, the strip of the board's 19 terrain tiles, into the folder given as
// the only argument. The tiles are the letter maps of TileArt.h; the file is raw red, green,
// blue bytes, 513 x 27 pixels, rows from the top, tile N in columns 27 N to 27 N + 26.
#include <cstdio>
#include <string>
#include <vector>

#include "../common/ByteOutput.h"
#include "TileArt.h"

namespace {

constexpr int kTileSide = 27;
constexpr int kTileCount = 19;
constexpr int kStripWidth = kTileSide * kTileCount;

const TileColour* Colour(char letter)
{
    for (const TileColour& colour : kLegend) {
        if (colour.letter == letter) {
            return &colour;
        }
    }
    return nullptr;
}

// The rows of a map; its text begins with the line break that follows R"(.
std::vector<std::string> Rows(const char* map)
{
    std::vector<std::string> rows;
    std::string text(map);
    size_t start = text.empty() || text[0] != '\n' ? 0 : 1;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        rows.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return rows;
}

bool PaintTile(int tile, std::vector<unsigned char>& strip)
{
    const std::vector<std::string> rows = Rows(kTileMaps[tile]);
    if (rows.size() != kTileSide) {
        std::fprintf(stderr, "tile %d: %zu rows instead of %d\n", tile, rows.size(), kTileSide);
        return false;
    }
    for (int y = 0; y < kTileSide; ++y) {
        if (rows[y].size() != kTileSide) {
            std::fprintf(stderr, "tile %d, row %d: %zu letters instead of %d\n", tile, y,
                         rows[y].size(), kTileSide);
            return false;
        }
        for (int x = 0; x < kTileSide; ++x) {
            const TileColour* colour = Colour(rows[y][x]);
            if (!colour) {
                std::fprintf(stderr, "tile %d, row %d: letter '%c' is not in the legend\n", tile, y,
                             rows[y][x]);
                return false;
            }
            unsigned char* pixel = strip.data() + 3 * (y * kStripWidth + tile * kTileSide + x);
            pixel[0] = colour->red;
            pixel[1] = colour->green;
            pixel[2] = colour->blue;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    static_assert(sizeof kTileMaps / sizeof kTileMaps[0] == kTileCount, "one map per tile");
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    std::vector<unsigned char> strip(static_cast<size_t>(kStripWidth) * kTileSide * 3);
    for (int tile = 0; tile < kTileCount; ++tile) {
        if (!PaintTile(tile, strip)) {
            return 1;
        }
    }
    const std::string path = std::string(argv[1]) + "/terreno27x27.bin";
    if (!tarnbrook::WriteBytes(path, strip)) {
        std::perror(path.c_str());
        return 1;
    }
    return 0;
}
