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

// Reading a drawing writes its array beside it, over any older file; the compiled array is that
// export of the committed drawing (of odd width) and decodes to the pixels the drawing has.
TEST(SourceArray, CompiledPicturesAreTheExportOfTheCommittedDrawings)
{
    testsupport::ScratchFolder folder;
    folder.Write("aboutbanner.bmp",
                 testsupport::ReadTestData("../../tools/pictures/aboutbanner.bmp"));
    folder.Write("aboutbanner.bmp.c", std::string(50000, 'x'));
    const RgbBuffer fromFile = ReadBmp4("aboutbanner.bmp");
    EXPECT_EQ(folder.Read("aboutbanner.bmp.c"),
              testsupport::ReadTestData("../../src/game/pictures/aboutbanner.bmp.c"));
    const RgbBuffer compiled =
        Convert4BitImage(kAboutBanner.width, kAboutBanner.height, kAboutBanner.data);
    ASSERT_EQ(compiled.ByteCount(), fromFile.ByteCount());
    EXPECT_EQ(compiled.Width(), 163);
    EXPECT_TRUE(
        std::equal(compiled.Data(), compiled.Data() + compiled.ByteCount(), fromFile.Data()));
    EXPECT_EQ(compiled.PixelColor(0, 0), 0x00C0C0) << "drawn on the window's teal";
}

}  // namespace
}  // namespace tarnbrook
