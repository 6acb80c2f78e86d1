#include <gtest/gtest.h>

#include "ui/widgets/MarkPictures.h"

#include <cstring>

#include "gfx/EmbeddedImage.h"
#include "support/MarkColors.h"

namespace tarnbrook {
namespace {

using Source = const unsigned char* (*)(bool enabled, bool on);

// Decodes the four pictures with the program's 16-colour decoder and compares every pixel with
// the map's letter.
void ExpectPicturesFollowTheMap(const LetterMap& map, Source picture, bool optionMark)
{
    for (bool enabled : {true, false}) {
        for (bool on : {true, false}) {
            const RgbBuffer rgb = Convert4BitImage(kMarkSize, kMarkSize, picture(enabled, on));
            ASSERT_EQ(rgb.Width(), kMarkSize);
            int wrong = 0;
            for (int row = 0; row < kMarkSize; ++row) {
                for (int column = 0; column < kMarkSize; ++column) {
                    int expected = testsupport::MarkLetterColor(map[row][column], enabled, on,
                                                                optionMark);
                    expected = expected == testsupport::kSeeThrough ? 0x000000 : expected;
                    wrong += rgb.PixelColor(column, row) != expected ? 1 : 0;
                }
            }
            EXPECT_EQ(wrong, 0) << "enabled " << enabled << ", on " << on;
        }
    }
}

TEST(MarkPictures, EveryRowOfTheMapsHasTwentyLetters)
{
    for (const LetterMap* map : {&kTickBoxMap, &kOptionMarkMap}) {
        for (const char* row : *map) {
            EXPECT_EQ(std::strlen(row), static_cast<size_t>(kMarkSize)) << row;
        }
    }
}

TEST(MarkPictures, TheFourTickBoxesAreTheMapInTheirStatesColours)
{
    ExpectPicturesFollowTheMap(kTickBoxMap, TickBoxPicture, false);
}

TEST(MarkPictures, TheFourOptionMarksAreTheMapWithABlackSurround)
{
    ExpectPicturesFollowTheMap(kOptionMarkMap, OptionMarkPicture, true);
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
