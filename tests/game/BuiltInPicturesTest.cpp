#include <gtest/gtest.h>

#include "game/BuiltInPictures.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "gfx/BmpFile.h"
#include "gfx/EmbeddedImage.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const struct {
    const char* file;
    const BuiltInPicture& picture;
    int width;
    int height;
} kPictures[] = {
    {"banner.bmp", kTitleBanner, 200, 50},
    {"staircase.bmp", kStaircase, 160, 96},
    {"column.bmp", kColumn, 96, 96},
    {"aboutbanner.bmp", kAboutBanner, 163, 50},
};

TEST(BuiltInPictures, CompiledArraysAreTheExportOfTheCommittedDrawings)
{
    testsupport::ScratchFolder folder;
    for (const auto& entry : kPictures) {
        const std::string drawing =
            std::string(TARNBROOK_SOURCE_DIR) + "/tools/pictures/" + entry.file;
        std::filesystem::copy_file(drawing, folder.Path() + "/" + entry.file);
        const RgbBuffer fromFile = ReadBmp4(entry.file);
        ASSERT_FALSE(fromFile.IsEmpty()) << entry.file;

        const std::string array =
            std::string(TARNBROOK_SOURCE_DIR) + "/src/game/pictures/" + entry.file + ".c";
        EXPECT_EQ(folder.Read(std::string(entry.file) + ".c"), ReadFile(array)) << entry.file;

        EXPECT_EQ(entry.picture.width, entry.width);
        EXPECT_EQ(entry.picture.height, entry.height);
        const RgbBuffer compiled =
            Convert4BitImage(entry.picture.width, entry.picture.height, entry.picture.data);
        ASSERT_EQ(compiled.ByteCount(), fromFile.ByteCount()) << entry.file;
        EXPECT_TRUE(
            std::equal(compiled.Data(), compiled.Data() + compiled.ByteCount(), fromFile.Data()))
            << entry.file;
        EXPECT_EQ(compiled.PixelColor(0, 0), 0x00C0C0) << "drawn on the window's teal";
    }
}

}  // namespace
}  // namespace tarnbrook
