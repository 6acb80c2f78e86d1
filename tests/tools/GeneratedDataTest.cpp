#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "game/TileFile.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

uint32_t LittleEndianAt(const std::string& bytes, size_t offset, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + static_cast<size_t>(i)]);
    }
    return value;
}

std::string RepositoryFile(const std::string& relativePath)
{
    std::ifstream in(std::string(TARNBROOK_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(GeneratedData, CommittedFilesAreWhatTheGeneratorsMake)
{
    const struct {
        const char* generator;
        const char* committedFolder;
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
            EXPECT_TRUE(folder.Read(file) ==
                        RepositoryFile(entry.committedFolder + std::string(file)))
                << file;
        }
    }
}

TEST(GeneratedData, SoundsAreShortPcmWaves)
{
    for (const auto& [name, seconds] : {std::pair{"beep.wav", 0.15}, {"Explosion.wav", 1.5}}) {
        const std::string wave = RepositoryFile(std::string("Data/") + name);
        ASSERT_GE(wave.size(), 44u);
        EXPECT_EQ(wave.substr(0, 4) + wave.substr(8, 8), "RIFFWAVEfmt ") << name;
        EXPECT_EQ(LittleEndianAt(wave, 20, 2), 1u) << "PCM";
        EXPECT_LT(static_cast<double>(LittleEndianAt(wave, 40, 4)) / LittleEndianAt(wave, 28, 4),
                  seconds);
    }
}

// Each number has a colour that no other tile uses, and no two tiles are alike.
TEST(GeneratedData, NumberTilesHaveColoursOfTheirOwn)
{
    const std::string strip = RepositoryFile(kTileFilePath);
    ASSERT_EQ(strip.size(), 41553u);
    std::vector<std::string> tiles(kTileCount);
    std::vector<std::set<std::string>> colours(kTileCount);
    for (int tile = 0; tile < kTileCount; ++tile) {
        for (int y = 0; y < kTileSide; ++y) {
            const std::string row = strip.substr(
                3 * (static_cast<size_t>(y) * kTileStripWidth + tile * kTileSide), 3 * kTileSide);
            tiles[tile] += row;
            for (size_t x = 0; x < row.size(); x += 3) {
                colours[tile].insert(row.substr(x, 3));
            }
        }
    }
    EXPECT_EQ(std::set<std::string>(tiles.begin(), tiles.end()).size(), tiles.size());
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
