#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

// Every element paints in place, pixel for pixel; the turning mark and its count change with time
// and are left out.
TEST(Gallery, EveryElementPaintsInPlaceAndQuitEndsIt)
{
    const std::string game = TARNBROOK_BINARY;  // the gallery is built beside the game
    GameSession window(nullptr, {game.substr(0, game.rfind('/')) + "/tarnbrook_gallery"});
    ASSERT_TRUE(window.WaitForWindow("Tarnbrook widget gallery"));
    // The picture in the panel is painted last.
    ASSERT_TRUE(WaitFor([&] { return window.PixelAt(505, 388) == 0; }));
    Area shot = window.Shown(0, 0, 640, 480);
    ASSERT_EQ(shot.pixels.size(), 640u * 480u);
    for (int y = 380; y < 400; ++y) {
        std::fill_n(shot.pixels.begin() + y * shot.width + 530, 96, 0);
    }
    EXPECT_EQ(PictureDifference(shot, "gallery"), "");

    window.ClickAt(439, 384);  // Quit
    EXPECT_EQ(window.WaitForExit(), 0);
}

}  // namespace
