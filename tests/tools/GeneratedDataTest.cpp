#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ScratchFolder.h"

namespace {

uint32_t LittleEndianAt(const std::string& bytes, size_t offset, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + static_cast<size_t>(i)]);
    }
    return value;
}

double DurationSeconds(const std::string& wave)
{
    return static_cast<double>(LittleEndianAt(wave, 40, 4)) / LittleEndianAt(wave, 28, 4);
}

std::string ReadRepositoryFile(const std::string& relativePath)
{
    std::ifstream in(std::string(TARNBROOK_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(GeneratedData, CommittedSoundsAreWhatTheGeneratorMakes)
{
    testsupport::ScratchFolder folder;
    const std::string command = std::string(TARNBROOK_TOOLS_DIR) + "/generate_sounds " + folder.Path();
    ASSERT_EQ(std::system(command.c_str()), 0);

    for (const char* name : {"beep.wav", "Explosion.wav"}) {
        const std::string made = folder.Read(name);
        EXPECT_EQ(made, ReadRepositoryFile(std::string("Data/") + name)) << name;
        ASSERT_GE(made.size(), 44u);
        EXPECT_EQ(made.substr(0, 4), "RIFF");
        EXPECT_EQ(made.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(LittleEndianAt(made, 20, 2), 1u) << "PCM";
    }
    EXPECT_LT(DurationSeconds(folder.Read("beep.wav")), 0.15);
    EXPECT_LT(DurationSeconds(folder.Read("Explosion.wav")), 1.5);
}

TEST(GeneratedData, CommittedPicturesAreWhatTheGeneratorMakes)
{
    testsupport::ScratchFolder folder;
    const std::string command = std::string(TARNBROOK_TOOLS_DIR) + "/generate_pictures " + folder.Path();
    ASSERT_EQ(std::system(command.c_str()), 0);

    const struct {
        const char* name;
        uint32_t width;
        uint32_t height;
    } pictures[] = {{"banner.bmp", 200, 50}, {"aboutbanner.bmp", 163, 50}, {"staircase.bmp", 160, 96},
                    {"column.bmp", 96, 96}};
    for (const auto& picture : pictures) {
        const std::string made = folder.Read(picture.name);
        EXPECT_EQ(made, ReadRepositoryFile(std::string("tools/pictures/") + picture.name)) << picture.name;
        ASSERT_GE(made.size(), 54u);
        EXPECT_EQ(LittleEndianAt(made, 18, 4), picture.width);
        EXPECT_EQ(LittleEndianAt(made, 22, 4), picture.height);
        EXPECT_EQ(LittleEndianAt(made, 28, 2), 4u) << "bits per pixel";
    }
}

}  // namespace
