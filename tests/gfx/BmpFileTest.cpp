#include "gfx/BmpFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "dialogs/FormMsgBox.h"
#include "game/BuiltInPictures.h"
#include "gfx/EmbeddedImage.h"
#include "gfx/GraphicsContext.h"
#include "gfx/Screen.h"
#include "gfx/SourceArray.h"
#include "support/ScratchFolder.h"
#include "support/TestData.h"

namespace tarnbrook {
namespace {

std::string With32(std::string bytes, size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// A BMP file written inline: the info header (40 bytes unless given), then the palette (blue,
// green, red, unused per entry) and the pixel rows, which the caller pads to multiples of 4.
std::string MakeBmp(int bitsPerPixel, int width, const std::string& palette,
                    const std::string& rows, size_t infoSize = 40)
{
    std::string bytes = "BM" + std::string(12 + infoSize, '\0');
    const size_t end = bytes.size() + palette.size() + rows.size();
    for (const auto& [at, value] : {std::pair<size_t, size_t>{2, end},
                                    {10, bytes.size() + palette.size()},
                                    {14, infoSize},
                                    {18, width},
                                    {22, 2}}) {
        bytes = With32(bytes, at, static_cast<std::uint32_t>(value));
    }
    bytes[26] = 1;
    bytes[28] = static_cast<char>(bitsPerPixel);
    return bytes + palette + rows;
}

// clang-format off
const std::string kTwoColours("\x00\x00\xFF\x00" "\xFF\x00\x00\x00", 8);  // red, blue
// 2 x 2, 24 bits: bottom row (file row 0) red, green; top row blue, white.
const std::string kTrueColour = MakeBmp(24, 2, "", std::string("\x00\x00\xFF" "\x00\xFF\x00" "\0\0"
                                                              "\xFF\x00\x00" "\xFF\xFF\xFF" "\0\0",
                                                              16));
// 3 x 2 over kTwoColours: bottom row 0 1 0, top row 1 1 0.
const std::string kEightBitRows("\x00\x01\x00\x00" "\x01\x01\x00\x00", 8);
const std::string kEightBit = MakeBmp(8, 3, kTwoColours, kEightBitRows);
const std::string kEightBitVersion5 = MakeBmp(8, 3, kTwoColours, kEightBitRows, 124);
const std::string kFourBit = MakeBmp(4, 3, kTwoColours, std::string("\x01\x00\x00\x00"
                                                                    "\x11\x00\x00\x00", 8));
// clang-format on

RgbBuffer ReadWith(int bits, const std::string& path)
{
    return bits == 24 ? ReadBmp24(path) : bits == 8 ? ReadBmp8(path) : ReadBmp4(path);
}

// Every reader gives the empty buffer for each broken variant of a good file, with the info
// header of version 3 or 5.
TEST(BmpFile, RefusesEveryBrokenVariantWithoutTouchingOutsideTheFile)
{
    testsupport::ScratchFolder folder;
    for (const auto& [bits, good] :
         {std::pair{24, kTrueColour}, {8, kEightBit}, {4, kFourBit}, {8, kEightBitVersion5}}) {
        folder.Write("good.bmp", good);
        const RgbBuffer rgb = ReadWith(bits, "good.bmp");
        ASSERT_FALSE(rgb.IsEmpty()) << bits;
        ASSERT_EQ(std::make_pair(rgb.PixelColor(0, 1), rgb.PixelColor(1, 0)),
                  std::make_pair(0xFF0000, bits == 24 ? 0xFFFFFF : 0x0000FF));
        const std::uint32_t size = static_cast<std::uint32_t>(good.size());
        std::string wrongSignature = good, compressed = good;
        wrongSignature[0] = 'X';
        compressed[30] = 1;
        const std::vector<std::pair<const char*, std::string>> broken = {
            {"empty file", ""},
            {"header cut short", good.substr(0, 40)},
            {"header only", good.substr(0, 54)},
            {"last row one byte short", good.substr(0, good.size() - 1)},
            {"zero width", With32(good, 18, 0)},
            {"zero height", With32(good, 22, 0)},
            {"negative width", With32(good, 18, 0xFFFFFFFD)},
            {"negative height (rows top-down)", With32(good, 22, 0xFFFFFFFE)},
            {"width beyond the side limit", With32(good, 18, 40000)},
            {"pixel count beyond the limit", With32(With32(good, 18, 30000), 22, 30000)},
            {"product overflows", With32(With32(good, 18, 0x7FFFFFFF), 22, 0x7FFFFFFF)},
            {"data offset past the end", With32(good, 10, size + 10)},
            {"data offset far past the end", With32(good, 10, 0x7FFFFFF0)},
            {"data offset negative", With32(good, 10, 0xFFFFFFF0)},
            {"data offset inside the header", With32(good, 10, 20)},
            {"info header larger than any known", With32(good, 14, 4000)},
            {"info header smaller than 40 bytes", With32(good, 14, 12)},
            {"wrong signature", wrongSignature},
            {"compressed rows", compressed},
        };
        for (const auto& [what, bytes] : broken) {
            folder.Write("broken.bmp", bytes);
            EXPECT_TRUE(ReadWith(bits, "broken.bmp").IsEmpty()) << bits << " bits: " << what;
        }
    }
    EXPECT_FALSE(folder.Exists("broken.bmp.c"));
    EXPECT_TRUE(ReadBmp24("missing.bmp").IsEmpty());

    folder.Write("p.bmp", kEightBit);
    folder.Write("short.bmp", kEightBit.substr(0, 53));
    int width = 0, height = 0, dataOffset = 0;
    ASSERT_TRUE(ReadBmpInfo("p.bmp", width, height, dataOffset));
    EXPECT_EQ(std::tie(width, height, dataOffset), std::make_tuple(3, 2, 62));
    EXPECT_FALSE(ReadBmpInfo("missing.bmp", width, height, dataOffset));
    EXPECT_FALSE(ReadBmpInfo("short.bmp", width, height, dataOffset));
}

// Palettes beyond their limits and indices beyond the palette are refused; inputs that once made
// a reader fail now give a clean result.
TEST(BmpFile, RefusesPalettesAndIndicesBeyondTheirLimitsAndReadsFuzzRegressionsSafely)
{
    testsupport::ScratchFolder folder;
    // clang-format off
    const std::vector<std::pair<int, std::string>> broken = {
        {8, MakeBmp(8, 3, std::string(1028, '\x40'), std::string(8, '\0'))},  // palette > 1 KiB
        {8, MakeBmp(8, 3, kTwoColours, std::string("\x00\x02\x00\x00" "\x00\x00\x00\x00", 8))},
        {4, MakeBmp(4, 3, kTwoColours, std::string("\x02\x00\x00\x00" "\x00\x00\x00\x00", 8))},
        {4, MakeBmp(4, 3, kTwoColours, std::string("\x0F\x00\x00\x00" "\x00\x00\x00\x00", 8))},
        {4, kEightBit},
        {8, kTrueColour},
    };
    // clang-format on
    for (size_t i = 0; i < broken.size(); ++i) {
        folder.Write("broken.bmp", broken[i].second);
        EXPECT_TRUE(ReadWith(broken[i].first, "broken.bmp").IsEmpty()) << i;
    }
    // The unused low nibble of an odd row's last byte is not an index.
    // clang-format off
    folder.Write("odd.bmp", MakeBmp(4, 3, kTwoColours, std::string("\x01\x0F\x00\x00"
                                                                   "\x11\x0F\x00\x00", 8)));
    // clang-format on
    EXPECT_FALSE(ReadBmp4("odd.bmp").IsEmpty());
    // A full 1024-byte palette is still accepted.
    folder.Write("full.bmp", MakeBmp(8, 3, std::string(1024, '\x40'), std::string(8, '\xFF')));
    EXPECT_EQ(ReadBmp8("full.bmp").PixelColor(2, 1), 0x404040);

    for (const auto& entry : std::filesystem::directory_iterator(TARNBROOK_TEST_DATA "/bmp-fuzz")) {
        const std::string name = entry.path().filename().string();
        folder.Write("input.bmp", testsupport::ReadTestData("bmp-fuzz/" + name));
        for (int bitsPerPixel : {24, 8, 4}) {
            const RgbBuffer rgb = ReadWith(bitsPerPixel, "input.bmp");
            EXPECT_EQ(rgb.ByteCount(), static_cast<size_t>(rgb.Width()) * rgb.Height() * 3) << name;
        }
    }
}

// Names drop the folder and the last extension; nothing is made of no picture. Reading a drawing
// writes its array beside it, over any older file; the compiled array is that export of the
// committed drawing (of odd width) and decodes to the pixels the drawing has.
TEST(SourceArray, CompiledPicturesAreTheExportOfTheCommittedDrawingsAndNamedAfterThem)
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

    EXPECT_EQ(SourceArrayName("a.b/logo.v2.bmp"), "LOGO.V2");
    EXPECT_EQ(SourceArrayName("plain"), "PLAIN");
    const std::vector<unsigned char> embedded(EmbeddedImageBytes(1, 1), 0);
    EXPECT_TRUE(Convert4BitImage(0, 1, embedded.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, -1, embedded.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, 1, static_cast<const unsigned char*>(nullptr)).IsEmpty());
}

// Without a display nothing opens, and a graphics context without a form draws nothing. Text
// lines are 15 pixels high up to an ascent of 15.
TEST(GraphicsContext, WithoutADisplayOrAFormNothingIsDrawnAndTextLinesAreFifteenHigh)
{
    testsupport::ScratchFolder folder;
    setenv("DISPLAY", ":9999", 1);
    Screen screen("title");
    EXPECT_TRUE(screen.HasOpenFailed() && screen.GetDisplay() == nullptr);

    ASSERT_TRUE(Application::forms.empty());
    GraphicsContext gc(nullptr);
    EXPECT_FALSE(gc.IsValid());
    gc.DrawLine(0, 0, 10, 10, 1, 0xFF);
    gc.DrawText(0, 0, 100, 20, "text", 0, 0xFFFFFF, TextAlign::Centre);
    EXPECT_EQ(gc.CharWidthM(), 0);
    EXPECT_EQ(gc.GetPixel(0, 0), 0u);
    ShowMsgBox("text", "title");
    EXPECT_EQ(Application::messageBox, nullptr);
    EXPECT_EQ(folder.Read("log.txt"),
              "XOpenDisplay(0) failed.\nErrore nella creazione del GC\n"
              "ShowMsgBox: nessuna form\n");

    EXPECT_EQ(GraphicsContext::TextLineHeightFor(12), 15);
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(15), 15);
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(16), 17);
}

}  // namespace
}  // namespace tarnbrook
