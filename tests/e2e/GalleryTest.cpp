#include <gtest/gtest.h>

#include <string>

#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

constexpr int kBack = 0xD4D0C8;
constexpr int kBlue = 0x0000FF;
constexpr int kBlack = 0x000000;

// What the gallery's elements show when it opens.
const struct {
    const char* what;
    int x, y, color;
} kLayout[] = {
    {"form background", 5, 470, kBack},
    {"progress bar at 4 of 10: first blue pixel", 11, 97, kBlue},
    {"progress bar: grey after the bar", 86, 108, 0xAAAAAA},
    {"slider: first tick", 30, 69, kBlack},
    {"slider: thumb on tick 4", 94, 62, kBlack},
    {"scroll bar: block on page 0", 60, 158, kBlack},
    {"scroll bar: empty page 1", 120, 158, kBack},
    {"option box: dot of the selected Normal", 340, 94, 0x010101},
    {"option box: the mark's corner shows the face", 331, 60, kBack},
    {"check box Labels: tick", 446, 63, kBlack},
    {"disabled check box: grey tick", 446, 115, 0x424242},
    {"single-line text box: dark inner ring", 150, 203, kBlack},
    {"Message button: dark bottom edge", 50, 397, kBlack},
    {"picture in the panel: tick", 505, 388, kBlack},
    {"vertical scroll bar: block on page 1", 616, 100, kBlack},
    {"vertical slider: thumb on 2", 590, 86, kBlack},
};

TEST(Gallery, EveryElementPaintsInPlaceAndQuitEndsIt)
{
    const std::string game = TARNBROOK_BINARY;  // the gallery is built beside the game
    GameSession window(nullptr, {game.substr(0, game.rfind('/')) + "/tarnbrook_gallery"});
    ASSERT_TRUE(window.WaitForWindow("Tarnbrook widget gallery"));
    // The picture in the panel is painted last.
    ASSERT_TRUE(WaitFor([&] { return window.PixelAt(505, 388) == kBlack; }));
    const Area shot = window.Shown(0, 0, 640, 480);
    ASSERT_EQ(shot.pixels.size(), 640u * 480u);
    for (const auto& sample : kLayout) {
        EXPECT_EQ(shot.At(sample.x, sample.y), sample.color) << sample.what;
    }

    window.ClickAt(439, 384);  // Quit
    EXPECT_EQ(window.WaitForExit(), 0);
}

}  // namespace
