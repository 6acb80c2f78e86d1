#include "gfx/SourceArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/BmpFile.h"
#include "gfx/EmbeddedImage.h"
#include "support/ScratchFolder.h"
#include "support/TestData.h"

namespace tarnbrook {
namespace {

// Every "0x.." byte of an exported array, in order.
std::vector<unsigned char> ArrayBytes(const std::string& text)
{
    std::vector<unsigned char> bytes;
    for (size_t at = text.find("0x"); at != std::string::npos; at = text.find("0x", at + 2)) {
        bytes.push_back(
            static_cast<unsigned char>(std::strtoul(text.substr(at, 4).c_str(), nullptr, 16)));
    }
    return bytes;
}

TEST(SourceArray, NameDropsFolderAndLastExtensionAndTextListsPaletteThenEachRow)
{
    EXPECT_EQ(SourceArrayName("a.b/logo.v2.bmp"), "LOGO.V2");
    EXPECT_EQ(SourceArrayName("plain"), "PLAIN");
    std::vector<unsigned char> embedded(EmbeddedImageBytes(3, 2), 0);
    embedded[0] = 0xAB;
    embedded[48] = 0x12;
    embedded[49] = 0x30;
    embedded[50] = 0x0F;
    const std::string text = SourceArrayText("PIC", 3, 2, embedded);
    std::string palette = "0xAB,";
    for (int i = 1; i < 48; ++i) {
        palette += "0x00,";
    }
    EXPECT_EQ(text, "int wPIC = 3;\nint hPIC = 2;\n\nchar imgPIC[] = {\n" + palette +
                        "\n0x12,0x30,\n0x0F,0x00,\n};\n");
}

TEST(SourceArray, ReadBmp4WritesArrayBesideTheFileThatDecodesToTheSamePixels)
{
    testsupport::ScratchFolder folder;
    folder.Write("check.bmp", testsupport::ReadTestData("bmp/check.bmp"));
    folder.Write("check.bmp.c", std::string(5000, 'x'));

    const RgbBuffer read = ReadBmp4("check.bmp");
    ASSERT_EQ(read.Width(), 20);
    const std::string text = folder.Read("check.bmp.c");
    EXPECT_EQ(text.rfind("int wCHECK = 20;\nint hCHECK = 20;\n\nchar imgCHECK[] = {\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 4), "};\n\n");

    const std::vector<unsigned char> bytes = ArrayBytes(text);
    ASSERT_EQ(bytes.size(), EmbeddedImageBytes(20, 20));
    const RgbBuffer decoded = Convert4BitImage(20, 20, bytes.data());
    ASSERT_EQ(decoded.ByteCount(), read.ByteCount());
    EXPECT_TRUE(std::equal(decoded.Data(), decoded.Data() + decoded.ByteCount(), read.Data()));
}

}  // namespace
}  // namespace tarnbrook
