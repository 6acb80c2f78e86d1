#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "game/TileFile.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

std::string CommittedStrip()
{
    std::ifstream in(std::string(TARNBROOK_SOURCE_DIR) + "/" + kTileFilePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int PixelOf(const std::string& strip, int tile, int x, int y)
{
    const size_t at = 3 * (static_cast<size_t>(y) * kTileStripWidth + tile * kTileSide + x);
    return (static_cast<unsigned char>(strip[at]) << 16) |
           (static_cast<unsigned char>(strip[at + 1]) << 8) | static_cast<unsigned char>(strip[at + 2]);
}

std::set<int> ColoursOf(const std::string& strip, int tile)
{
    std::set<int> colours;
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileSide; ++x) {
            colours.insert(PixelOf(strip, tile, x, y));
        }
    }
    return colours;
}

TEST(TileGenerator, CommittedStripIsWhatTheGeneratorMakes)
{
    testsupport::ScratchFolder folder;
    const std::string command = std::string(TARNBROOK_TOOLS_DIR) + "/generate_tiles " + folder.Path();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string made = folder.Read("terreno27x27.bin");
    EXPECT_EQ(made.size(), 41553u);
    EXPECT_TRUE(made == CommittedStrip()) << "Data/terreno27x27.bin differs from the generator's output";
}

// Each number has a colour that no other tile uses, and no two tiles are alike.
TEST(TileGenerator, NumbersHaveColoursOfTheirOwn)
{
    const std::string strip = CommittedStrip();
    ASSERT_EQ(strip.size(), 41553u);
    for (int number = 1; number <= 8; ++number) {
        std::set<int> own = ColoursOf(strip, number);
        for (int other = 0; other < kTileCount; ++other) {
            if (other != number) {
                for (int colour : ColoursOf(strip, other)) {
                    own.erase(colour);
                }
            }
        }
        EXPECT_FALSE(own.empty()) << "number " << number;
    }
    std::set<std::string> tiles;
    for (int tile = 0; tile < kTileCount; ++tile) {
        std::string pixels;
        for (int y = 0; y < kTileSide; ++y) {
            pixels += strip.substr(3 * (static_cast<size_t>(y) * kTileStripWidth + tile * kTileSide),
                                   3 * kTileSide);
        }
        EXPECT_TRUE(tiles.insert(pixels).second) << "tile " << tile;
    }
}

}  // namespace
}  // namespace tarnbrook
