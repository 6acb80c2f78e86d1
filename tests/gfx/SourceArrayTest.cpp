#include "gfx/SourceArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/BuiltInPictures.h"
#include "gfx/BmpFile.h"
#include "gfx/EmbeddedImage.h"
#include "support/ScratchFolder.h"
#include "support/TestData.h"

namespace tarnbrook {
namespace {

TEST(SourceArray, NameDropsFolderAndLastExtensionAndTextListsPaletteThenEachRow)
{
    EXPECT_EQ(SourceArrayName("a.b/logo.v2.bmp"), "LOGO.V2");
    EXPECT_EQ(SourceArrayName("plain"), "PLAIN");
    std::vector<unsigned char> embedded(EmbeddedImageBytes(3, 2), 0);
    embedded[0] = 0xAB;
    embedded[48] = 0x12;
    embedded[49] = 0x30;
    embedded[50] = 0x0F;
    std::string palette = "0xAB,";
    for (int i = 1; i < 48; ++i) {
        palette += "0x00,";
    }
    EXPECT_EQ(SourceArrayText("PIC", 3, 2, embedded),
              "int wPIC = 3;\nint hPIC = 2;\n\nchar imgPIC[] = {\n" + palette +
                  "\n0x12,0x30,\n0x0F,0x00,\n};\n");
    EXPECT_TRUE(Convert4BitImage(0, 1, embedded.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, -1, embedded.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, 1, static_cast<const unsigned char*>(nullptr)).IsEmpty());
}

// Reading a drawing writes its array beside it, over any older file; the compiled arrays are
// that export of the committed drawings and decode to the pixels the drawing has.
TEST(SourceArray, CompiledPicturesAreTheExportOfTheCommittedDrawings)
{
    testsupport::ScratchFolder folder;
    const struct {
        std::string file;
        const BuiltInPicture& picture;
        int width, height;
    } pictures[] = {{"banner.bmp", kTitleBanner, 200, 50},
                    {"staircase.bmp", kStaircase, 160, 96},
                    {"column.bmp", kColumn, 96, 96},
                    {"aboutbanner.bmp", kAboutBanner, 163, 50}};
    for (const auto& entry : pictures) {
        // The repository's files, by way of the test data folder tests/data.
        folder.Write(entry.file, testsupport::ReadTestData("../../tools/pictures/" + entry.file));
        folder.Write(entry.file + ".c", std::string(50000, 'x'));
        const RgbBuffer fromFile = ReadBmp4(entry.file);
        ASSERT_FALSE(fromFile.IsEmpty()) << entry.file;
        EXPECT_EQ(folder.Read(entry.file + ".c"),
                  testsupport::ReadTestData("../../src/game/pictures/" + entry.file + ".c"));
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
