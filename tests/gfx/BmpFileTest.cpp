#include "gfx/BmpFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/ScratchFolder.h"
#include "support/TestData.h"

namespace tarnbrook {
namespace {

void Put32(std::string& bytes, size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// A BMP file written inline: 40-byte info header, then the palette (blue, green, red, unused per
// entry) and the pixel rows, which the caller pads to multiples of 4.
std::string MakeBmp(int bitsPerPixel, int width, int height, const std::string& palette,
                    const std::string& rows)
{
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<std::uint32_t>(54 + palette.size() + rows.size()));
    Put32(bytes, 10, static_cast<std::uint32_t>(54 + palette.size()));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<std::uint32_t>(width));
    Put32(bytes, 22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = static_cast<char>(bitsPerPixel);
    return bytes + palette + rows;
}

// clang-format off
// Blue, green, red, unused.
const std::string kTwoColours("\x00\x00\xFF\x00" "\xFF\x00\x00\x00", 8);

// 2 x 2, 24 bits: bottom row (file row 0) red, green; top row blue, white.
std::string TrueColour2x2()
{
    return MakeBmp(24, 2, 2, "",
                   std::string("\x00\x00\xFF" "\x00\xFF\x00" "\x00\x00", 8) +
                   std::string("\xFF\x00\x00" "\xFF\xFF\xFF" "\x00\x00", 8));
}
// clang-format on

// 3 x 2, 8 bits over kTwoColours: bottom row 0 1 0, top row 1 1 0.
std::string EightBit3x2()
{
    return MakeBmp(8, 3, 2, kTwoColours,
                   std::string("\x00\x01\x00\x00"
                               "\x01\x01\x00\x00",
                               8));
}

// 3 x 2, 4 bits over kTwoColours: bottom row 0 1 0, top row 1 1 0.
std::string FourBit3x2()
{
    return MakeBmp(4, 3, 2, kTwoColours,
                   std::string("\x01\x00\x00\x00"
                               "\x11\x00\x00\x00",
                               8));
}

RgbBuffer ReadWith(int bitsPerPixel, const std::string& path)
{
    if (bitsPerPixel == 24) {
        return ReadBmp24(path);
    }
    return bitsPerPixel == 8 ? ReadBmp8(path) : ReadBmp4(path);
}

// The colours of the picture row by row from the top, as an ImageMagick listing gives them.
std::vector<int> Colours(const RgbBuffer& rgb)
{
    std::vector<int> colours;
    for (int y = 0; y < rgb.Height(); ++y) {
        for (int x = 0; x < rgb.Width(); ++x) {
            colours.push_back(rgb.PixelColor(x, y));
        }
    }
    return colours;
}

TEST(BmpFile, DecodesImageMagickFilesToThePixelsImageMagickReports)
{
    testsupport::ScratchFolder folder;
    const struct {
        const char* name;
        int bitsPerPixel;
    } fixtures[] = {{"true-colour-6x4", 24},
                    {"true-colour-v5-6x4", 24},
                    {"palette8-6x4", 8},
                    {"palette8-v5-6x4", 8},
                    {"palette4-7x5", 4},
                    {"palette4-v5-7x5", 4},
                    {"check", 4}};
    for (const auto& fixture : fixtures) {
        const std::string bmp = std::string(fixture.name) + ".bmp";
        folder.Write(bmp, testsupport::ReadTestData("bmp/" + bmp));
        const testsupport::PixelListing listing = testsupport::ParsePixelListing(
            testsupport::ReadTestData("bmp/" + std::string(fixture.name) + ".txt"));
        ASSERT_GT(listing.width, 0) << fixture.name;
        EXPECT_EQ(Colours(ReadWith(fixture.bitsPerPixel, bmp)), listing.colors) << fixture.name;
    }
}

TEST(BmpFile, ReadBmpInfoGivesTheStoredHeaderFields)
{
    testsupport::ScratchFolder folder;
    folder.Write("p.bmp", EightBit3x2());
    folder.Write("short.bmp", EightBit3x2().substr(0, 53));
    int width = 0;
    int height = 0;
    int dataOffset = 0;
    ASSERT_TRUE(ReadBmpInfo("p.bmp", width, height, dataOffset));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(dataOffset, 62);

    EXPECT_FALSE(ReadBmpInfo("missing.bmp", width, height, dataOffset));
    EXPECT_FALSE(ReadBmpInfo("short.bmp", width, height, dataOffset));
}

// Each broken variant of a good file; every reader must give the empty buffer for it.
struct BrokenCase {
    const char* what;
    std::string bytes;
};

std::string WithField(std::string bytes, size_t at, std::uint32_t value)
{
    Put32(bytes, at, value);
    return bytes;
}

std::vector<BrokenCase> BrokenVariants(const std::string& good)
{
    const std::uint32_t size = static_cast<std::uint32_t>(good.size());
    std::string wrongSignature = good;
    wrongSignature[0] = 'X';
    std::string compressed = good;
    compressed[30] = 1;
    return {
        {"empty file", ""},
        {"header cut short", good.substr(0, 40)},
        {"header only", good.substr(0, 54)},
        {"last row one byte short", good.substr(0, good.size() - 1)},
        {"zero width", WithField(good, 18, 0)},
        {"zero height", WithField(good, 22, 0)},
        {"negative width", WithField(good, 18, 0xFFFFFFFD)},
        {"negative height (rows top-down)", WithField(good, 22, 0xFFFFFFFE)},
        {"width beyond the side limit", WithField(good, 18, 40000)},
        {"pixel count beyond the limit", WithField(WithField(good, 18, 30000), 22, 30000)},
        {"sizes whose product overflows",
         WithField(WithField(good, 18, 0x7FFFFFFF), 22, 0x7FFFFFFF)},
        {"data offset past the end", WithField(good, 10, size + 10)},
        {"data offset far past the end", WithField(good, 10, 0x7FFFFFF0)},
        {"data offset negative", WithField(good, 10, 0xFFFFFFF0)},
        {"data offset inside the header", WithField(good, 10, 20)},
        {"info header larger than any known", WithField(good, 14, 4000)},
        {"info header smaller than 40 bytes", WithField(good, 14, 12)},
        {"wrong signature", wrongSignature},
        {"compressed rows", compressed},
    };
}

TEST(BmpFile, RefusesEveryBrokenVariantWithoutTouchingOutsideTheFile)
{
    testsupport::ScratchFolder folder;
    const struct {
        int bitsPerPixel;
        std::string good;
    } goods[] = {{24, TrueColour2x2()}, {8, EightBit3x2()}, {4, FourBit3x2()}};
    for (const auto& good : goods) {
        folder.Write("good.bmp", good.good);
        ASSERT_EQ(ReadWith(good.bitsPerPixel, "good.bmp").PixelColor(0, 1), 0xFF0000);
        for (const BrokenCase& broken : BrokenVariants(good.good)) {
            folder.Write("broken.bmp", broken.bytes);
            EXPECT_TRUE(ReadWith(good.bitsPerPixel, "broken.bmp").IsEmpty())
                << good.bitsPerPixel << " bits: " << broken.what;
        }
    }
    EXPECT_FALSE(folder.Exists("broken.bmp.c"));
    EXPECT_TRUE(ReadBmp24("missing.bmp").IsEmpty());
}

TEST(BmpFile, RefusesPalettesBeyondTheirLimitsAndIndicesBeyondThePalette)
{
    testsupport::ScratchFolder folder;
    const std::string hugePalette(1028, '\x40');
    // clang-format off
    const std::string indexTwo("\x00\x02\x00\x00" "\x00\x00\x00\x00", 8);
    const struct {
        const char* what;
        int bitsPerPixel;
        std::string bytes;
    } cases[] = {
        {"palette above 1024 bytes", 8, MakeBmp(8, 3, 2, hugePalette, std::string(8, '\0'))},
        {"8-bit index beyond two entries", 8, MakeBmp(8, 3, 2, kTwoColours, indexTwo)},
        {"4-bit index beyond two entries", 4,
         MakeBmp(4, 3, 2, kTwoColours, std::string("\x02\x00\x00\x00" "\x00\x00\x00\x00", 8))},
        {"4-bit index in the second nibble", 4,
         MakeBmp(4, 3, 2, kTwoColours, std::string("\x0F\x00\x00\x00" "\x00\x00\x00\x00", 8))},
        {"8-bit file read as 4-bit", 4, EightBit3x2()},
        {"24-bit file read as 8-bit", 8, TrueColour2x2()},
    };
    // clang-format on
    for (const auto& broken : cases) {
        folder.Write("broken.bmp", broken.bytes);
        EXPECT_TRUE(ReadWith(broken.bitsPerPixel, "broken.bmp").IsEmpty()) << broken.what;
    }

    // The unused low nibble of an odd row's last byte is not an index.
    // clang-format off
    folder.Write("odd.bmp",
                 MakeBmp(4, 3, 2, kTwoColours, std::string("\x01\x0F\x00\x00" "\x11\x0F\x00\x00", 8)));
    // clang-format on
    EXPECT_FALSE(ReadBmp4("odd.bmp").IsEmpty());
    // A full 1024-byte palette is still accepted.
    folder.Write("full.bmp", MakeBmp(8, 3, 2, std::string(1024, '\x40'), std::string(8, '\xFF')));
    const RgbBuffer full = ReadBmp8("full.bmp");
    ASSERT_FALSE(full.IsEmpty());
    EXPECT_EQ(full.PixelColor(2, 1), 0x404040);
}

// Inputs that once made a reader fail; each must now give a clean result.
TEST(BmpFile, FuzzRegressionInputsAreReadSafely)
{
    testsupport::ScratchFolder folder;
    for (const auto& entry : std::filesystem::directory_iterator(TARNBROOK_TEST_DATA "/bmp-fuzz")) {
        const std::string name = entry.path().filename().string();
        folder.Write("input.bmp", testsupport::ReadTestData("bmp-fuzz/" + name));
        for (int bitsPerPixel : {24, 8, 4}) {
            const RgbBuffer rgb = ReadWith(bitsPerPixel, "input.bmp");
            EXPECT_EQ(rgb.ByteCount(), static_cast<size_t>(rgb.Width()) * rgb.Height() * 3) << name;
        }
    }
}

}  // namespace
}  // namespace tarnbrook
