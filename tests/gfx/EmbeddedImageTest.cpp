#include "gfx/EmbeddedImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnbrook {
namespace {

// Palette entry i is (i, 16 * i, 255 - i), so every colour tells its index.
std::vector<unsigned char> WithPalette(std::vector<unsigned char> rows)
{
    std::vector<unsigned char> data;
    for (int i = 0; i < 16; ++i) {
        data.push_back(static_cast<unsigned char>(i));
        data.push_back(static_cast<unsigned char>(16 * i));
        data.push_back(static_cast<unsigned char>(255 - i));
    }
    data.insert(data.end(), rows.begin(), rows.end());
    return data;
}

int Colour(int index)
{
    return (index << 16) | ((16 * index) << 8) | (255 - index);
}

TEST(EmbeddedImage, OddWidthIgnoresTheLastLowNibble)
{
    const std::vector<unsigned char> data = WithPalette({0x12, 0x30});
    ASSERT_EQ(data.size(), EmbeddedImageBytes(3, 1));
    const RgbBuffer rgb = Convert4BitImage(3, 1, data.data());
    ASSERT_EQ(rgb.ByteCount(), 9u);
    EXPECT_EQ(rgb.PixelColor(0, 0), Colour(1));
    EXPECT_EQ(rgb.PixelColor(1, 0), Colour(2));
    EXPECT_EQ(rgb.PixelColor(2, 0), Colour(3));
}

TEST(EmbeddedImage, RowsAreStoredBottomFirst)
{
    const std::vector<unsigned char> data = WithPalette({0x11, 0x22});
    const RgbBuffer rgb = Convert4BitImage(2, 2, data.data());
    EXPECT_EQ(rgb.PixelColor(0, 0), Colour(2));
    EXPECT_EQ(rgb.PixelColor(1, 0), Colour(2));
    EXPECT_EQ(rgb.PixelColor(0, 1), Colour(1));
    EXPECT_EQ(rgb.PixelColor(1, 1), Colour(1));
}

TEST(EmbeddedImage, SizesAndRefusals)
{
    EXPECT_EQ(EmbeddedImageBytes(163, 50), 4148u);
    const std::vector<unsigned char> data = WithPalette({0x00});
    EXPECT_TRUE(Convert4BitImage(0, 1, data.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, -1, data.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, 1, static_cast<const unsigned char*>(nullptr)).IsEmpty());
}

}  // namespace
}  // namespace tarnbrook
