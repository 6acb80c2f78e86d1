#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "game/TileFile.h"
#include "support/ScratchFolder.h"
#include "support/TestData.h"

namespace tarnbrook {
namespace {

// A committed file of the repository, by way of the test data folder tests/data.
std::string RepositoryFile(const std::string& relativePath)
{
    return testsupport::ReadTestData("../../" + relativePath);
}

TEST(GeneratedData, CommittedFilesAreWhatTheGeneratorsMake)
{
    const struct {
        const char* generator;
        std::string committedFolder;
        std::vector<const char*> files;
    } generators[] = {
        {"generate_sounds", "Data/", {"beep.wav", "Explosion.wav"}},
        {"generate_pictures",
         "tools/pictures/",
         {"banner.bmp", "aboutbanner.bmp", "staircase.bmp", "column.bmp"}},
        {"generate_tiles", "Data/", {"terreno27x27.bin"}},
        {"generate_icons " TARNBROOK_SOURCE_DIR "/Data/terreno27x27.bin",
         "packaging/icons/",
         {"16x16.png", "24x24.png", "32x32.png", "48x48.png", "64x64.png", "128x128.png",
          "256x256.png"}},
    };
    for (const auto& entry : generators) {
        testsupport::ScratchFolder folder;
        const std::string command =
            std::string(TARNBROOK_TOOLS_DIR) + "/" + entry.generator + " " + folder.Path();
        ASSERT_EQ(std::system(command.c_str()), 0) << entry.generator;
        for (const char* file : entry.files) {
            EXPECT_TRUE(folder.Read(file) == RepositoryFile(entry.committedFolder + file)) << file;
        }
    }
}

// Short PCM waves; each number tile has a colour that no other tile uses, and no two tiles are
// alike.
TEST(GeneratedData, SoundsAreShortPcmWavesAndNumberTilesHaveColoursOfTheirOwn)
{
    for (const auto& [name, seconds] : {std::pair{"beep.wav", 0.15}, {"Explosion.wav", 1.5}}) {
        const std::string wave = RepositoryFile(std::string("Data/") + name);
        ASSERT_GE(wave.size(), 44u);
        const auto at = [&](size_t offset) {
            std::uint32_t value = 0;  // little-endian, as the machine
            std::memcpy(&value, wave.data() + offset, 4);
            return value;
        };
        EXPECT_EQ(wave.substr(0, 4) + wave.substr(8, 8), "RIFFWAVEfmt ") << name;
        EXPECT_EQ(at(20) & 0xFFFF, 1u) << "PCM";
        EXPECT_LT(static_cast<double>(at(40)) / at(28), seconds);
    }

    const std::string strip = RepositoryFile(kTileFilePath);
    ASSERT_EQ(strip.size(), 41553u);
    std::set<std::string> tiles;
    std::vector<std::set<std::string>> colours(kTileCount);
    for (int tile = 0; tile < kTileCount; ++tile) {
        std::string pixels;
        for (size_t y = 0; y < kTileSide; ++y) {
            pixels += strip.substr(3 * (y * kTileStripWidth + tile * kTileSide), 3 * kTileSide);
        }
        tiles.insert(pixels);
        for (size_t x = 0; x < pixels.size(); x += 3) {
            colours[tile].insert(pixels.substr(x, 3));
        }
    }
    EXPECT_EQ(tiles.size(), static_cast<size_t>(kTileCount));
    for (int number = 1; number <= 8; ++number) {
        std::set<std::string> own = colours[number];
        for (int other = 0; other < kTileCount; ++other) {
            for (const std::string& colour : colours[other]) {
                own.erase(other == number ? std::string() : colour);
            }
        }
        EXPECT_FALSE(own.empty()) << "number " << number;
    }
}

}  // namespace
}  // namespace tarnbrook
