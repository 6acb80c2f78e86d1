#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/ChildProcess.h"
#include "support/GameWindow.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

constexpr int kBack = 0xD4D0C8;
constexpr int kBlue = 0x0000FF;
constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;

// What the gallery's elements show when it opens.
const struct {
    const char* what;
    int x;
    int y;
    int color;
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

TEST(Gallery, EveryElementPaintsInPlaceTheValuesAreLiveAndTheButtonsOpenTheDialogs)
{
    ScratchFolder folder;
    const std::string game = TARNBROOK_BINARY;  // the gallery is built beside the game
    ChildProcess gallery(game.substr(0, game.rfind('/')) + "/tarnbrook_gallery");
    GameWindow window;
    const auto becomes = [&](int x, int y, int color) {
        return WaitFor([&] { return window.PixelAt(x, y) == color; });
    };
    ASSERT_TRUE(window.WaitForWindow("Tarnbrook widget gallery"));
    ASSERT_TRUE(becomes(505, 388, kBlack));  // the picture in the panel is painted last
    const Area shot = window.Shown(0, 0, 640, 480);
    ASSERT_EQ(shot.pixels.size(), 640u * 480u);
    for (const auto& sample : kLayout) {
        EXPECT_EQ(shot.At(sample.x, sample.y), sample.color) << sample.what;
    }

    window.ClickAt(158, 72);                // the slider's tick 8
    EXPECT_TRUE(becomes(150, 108, kBlue));  // the bar follows: 150 pixels
    window.ClickAt(360, 119);               // "Hard"
    EXPECT_TRUE(becomes(340, 120, 0x010101));
    EXPECT_EQ(window.PixelAt(340, 94), kWhite);
    window.ClickAt(245, 158);  // the scroll bar's right arrow: a page on
    EXPECT_TRUE(becomes(120, 158, kBlack));
    window.ClickAt(470, 67);  // "Labels" off: the slider's end values go
    EXPECT_TRUE(becomes(446, 63, kWhite));
    // The check mark changes before the labels are erased in the same handler: wait for both.
    EXPECT_TRUE(WaitFor([&] {
        const std::vector<int> labels = window.Shown(10, 54, 19, 36).pixels;
        return !labels.empty() && std::count(labels.begin(), labels.end(), kBlack) == 0;
    }));

    const char* const dialogs[] = {"Message", "Question", "Top Ten", "Info..."};
    for (int button = 0; button < 4; ++button) {
        window.ClickAt(55 + 96 * button, 384);
        GameWindow dialog;
        ASSERT_TRUE(dialog.WaitForWindow(dialogs[button])) << dialogs[button];
        window.Input().SendDeleteWindow(dialog.Id());  // which gives the gallery its input back
    }
    window.ClickAt(439, 384);  // Quit
    EXPECT_EQ(gallery.WaitForExit(), 0);
}

}  // namespace
