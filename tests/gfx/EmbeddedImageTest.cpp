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
        data.insert(data.end(), {static_cast<unsigned char>(i), static_cast<unsigned char>(16 * i),
                                 static_cast<unsigned char>(255 - i)});
    }
    data.insert(data.end(), rows.begin(), rows.end());
    return data;
}

int Colour(int index)
{
    return (index << 16) | ((16 * index) << 8) | (255 - index);
}

TEST(EmbeddedImage, OddWidthIgnoresTheLastLowNibbleAndRowsAreStoredBottomFirst)
{
    const std::vector<unsigned char> odd = WithPalette({0x12, 0x30});
    ASSERT_EQ(odd.size(), EmbeddedImageBytes(3, 1));
    const RgbBuffer line = Convert4BitImage(3, 1, odd.data());
    ASSERT_EQ(line.ByteCount(), 9u);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(line.PixelColor(x, 0), Colour(x + 1));
    }

    const std::vector<unsigned char> square = WithPalette({0x11, 0x22});
    const RgbBuffer rgb = Convert4BitImage(2, 2, square.data());
    EXPECT_EQ(rgb.PixelColor(0, 0), Colour(2));
    EXPECT_EQ(rgb.PixelColor(1, 0), Colour(2));
    EXPECT_EQ(rgb.PixelColor(0, 1), Colour(1));
    EXPECT_EQ(rgb.PixelColor(1, 1), Colour(1));

    EXPECT_EQ(EmbeddedImageBytes(163, 50), 4148u);
    EXPECT_TRUE(Convert4BitImage(0, 1, odd.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, -1, odd.data()).IsEmpty());
    EXPECT_TRUE(Convert4BitImage(1, 1, static_cast<const unsigned char*>(nullptr)).IsEmpty());
}

}  // namespace
}  // namespace tarnbrook
