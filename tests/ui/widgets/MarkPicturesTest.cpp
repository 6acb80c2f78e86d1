#include <gtest/gtest.h>

#include "ui/widgets/MarkPictures.h"

#include <cstring>

#include "gfx/EmbeddedImage.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

// The four pictures of each mark, decoded by the program's 16-colour decoder, are their map
// in the state's colours; an option mark's see-through letters are black.
TEST(MarkPictures, TheFourPicturesOfEachMarkAreItsMap)
{
    for (bool optionMark : {false, true}) {
        const LetterMap& map = optionMark ? kOptionMarkMap : kTickBoxMap;
        for (const char* row : map) {
            EXPECT_EQ(std::strlen(row), static_cast<size_t>(kMarkSize)) << row;
        }
        for (bool enabled : {true, false}) {
            for (bool on : {true, false}) {
                const unsigned char* picture =
                    optionMark ? OptionMarkPicture(enabled, on) : TickBoxPicture(enabled, on);
                const RgbBuffer rgb = Convert4BitImage(kMarkSize, kMarkSize, picture);
                ASSERT_EQ(rgb.Width(), kMarkSize);
                const auto pixel = [&](int x, int y) { return rgb.PixelColor(x, y); };
                EXPECT_EQ(testsupport::MarkDifferences(map, enabled, on, optionMark, 0, pixel), 0)
                    << "option " << optionMark << ", enabled " << enabled << ", on " << on;
            }
        }
    }
}

TEST(MarkPictures, ThePicturesAreInTheEmbeddedFormatBottomRowFirst)
{
    const unsigned char* box = TickBoxPicture(true, true);
    // Palette entry 4 is W; the bottom row (all W) comes first: two index-4 pixels a byte.
    EXPECT_EQ(box[12], 0xFF);
    EXPECT_EQ(box[48], 0x44);
    EXPECT_EQ(box[48 + 9], 0x44);
    EXPECT_EQ(kMarkPictureBytes, EmbeddedImageBytes(kMarkSize, kMarkSize));
}

}  // namespace
}  // namespace tarnbrook
