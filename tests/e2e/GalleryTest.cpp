#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/GameWindow.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kBack = 0xD4D0C8;
constexpr int kBlue = 0x0000FF;
constexpr int kGrey = 0xAAAAAA;
constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;

// The gallery is built beside the game.
std::string GalleryBinary()
{
    const std::string game = TARNBROOK_BINARY;
    return game.substr(0, game.rfind('/')) + "/tarnbrook_gallery";
}

struct Sample {
    const char* what;
    int x;
    int y;
    int color;
};

// Where the gallery's elements are and what they show when it opens.
const Sample kLayout[] = {
    {"form background", 5, 470, kBack},
    {"progress bar at 4 of 10: first blue pixel", 11, 97, kBlue},
    {"progress bar: last blue pixel of 75", 85, 119, kBlue},
    {"progress bar: grey after the bar", 86, 108, kGrey},
    {"progress bar: dark top edge", 100, 96, kBlack},
    {"progress bar: light right edge", 199, 108, kWhite},
    {"slider: first tick", 30, 69, kBlack},
    {"slider: light side of the first tick", 31, 69, 0xDDDDDD},
    {"slider: track between ticks", 38, 72, kBlack},
    {"slider: thumb on tick 4", 94, 62, kBlack},
    {"slider: face beside the thumb", 40, 62, kBack},
    {"scroll bar: left arrow", 20, 158, kBlack},
    {"scroll bar: block on page 0", 60, 158, kBlack},
    {"scroll bar: empty page 1", 120, 158, kBack},
    {"scroll bar: light top edge", 120, 148, 0xDDDDDD},
    {"scroll bar: right arrow", 242, 158, kBlack},
    {"option box: dot of the selected Normal", 340, 94, 0x010101},
    {"option box: Easy is not selected", 340, 68, kWhite},
    {"option box: the mark's corner shows the face", 331, 60, kBack},
    {"check box Labels: dark corner", 441, 55, 0x848484},
    {"check box Labels: tick", 446, 63, kBlack},
    {"disabled check box: grey interior", 444, 110, 0x9B9B9B},
    {"disabled check box: grey tick", 446, 115, 0x424242},
    {"single-line text box: light outer ring", 150, 202, kWhite},
    {"single-line text box: dark inner ring", 150, 203, kBlack},
    {"single-line text box: white inside", 290, 214, kWhite},
    {"multi-line text box: white inside", 600, 320, kWhite},
    {"Message button: light top edge", 50, 370, kWhite},
    {"Message button: dark bottom edge", 50, 397, kBlack},
    {"Quit button: face", 400, 375, kBack},
    {"picture in the panel: tick box corner", 500, 380, 0x848484},
    {"picture in the panel: tick", 505, 388, kBlack},
    {"panel: white inside", 488 + 6, 405, kWhite},
    {"vertical scroll bar: top arrow", 616, 46, kBlack},
    {"vertical scroll bar: block on page 1", 616, 100, kBlack},
    {"vertical scroll bar: empty page 0", 616, 70, kBack},
    {"vertical slider: thumb on 2", 590, 86, kBlack},
    {"vertical slider: first tick", 577, 54, kBlack},
};

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.WaitForWindow("Tarnbrook widget gallery"));
        // The picture in the panel is painted last.
        ASSERT_TRUE(PixelBecomes(505, 388, kBlack));
    }

    // The whole window read back at once.
    std::vector<int> Screenshot()
    {
        std::vector<int> pixels;
        XImage* image = XGetImage(window.GetDisplay(), window.Id(), 0, 0, kWidth, kHeight,
                                  AllPlanes, ZPixmap);
        if (!image) {
            return pixels;
        }
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                pixels.push_back(static_cast<int>(XGetPixel(image, x, y) & 0xFFFFFF));
            }
        }
        XDestroyImage(image);
        return pixels;
    }

    bool PixelBecomes(int x, int y, int color)
    {
        return testsupport::WaitFor([&] { return window.PixelAt(x, y) == color; });
    }

    bool DialogOpens(const std::string& title)
    {
        testsupport::GameWindow dialog;
        if (!dialog.WaitForWindow(title)) {
            return false;
        }
        window.Input().SendDeleteWindow(dialog.Id());
        return true;
    }

    testsupport::ScratchFolder folder;
    testsupport::ChildProcess gallery{GalleryBinary()};
    testsupport::GameWindow window;
};

TEST_F(GalleryTest, EveryElementPaintsWhereTheLayoutPutsIt)
{
    const std::vector<int> shot = Screenshot();
    ASSERT_EQ(shot.size(), static_cast<size_t>(kWidth * kHeight));
    for (const Sample& sample : kLayout) {
        EXPECT_EQ(shot[static_cast<size_t>(sample.y * kWidth + sample.x)], sample.color)
            << sample.what << " at " << sample.x << "," << sample.y;
    }
}

TEST_F(GalleryTest, TheValuesAreLive)
{
    window.ClickAt(158, 72);  // the slider's tick 8
    EXPECT_TRUE(PixelBecomes(150, 108, kBlue));  // the bar follows: 150 pixels
    window.ClickAt(360, 119);  // "Hard"
    EXPECT_TRUE(PixelBecomes(340, 120, 0x010101));
    EXPECT_EQ(window.PixelAt(340, 94), kWhite);
    window.ClickAt(245, 158);  // the scroll bar's right arrow: a page on
    EXPECT_TRUE(PixelBecomes(120, 158, kBlack));
    window.ClickAt(470, 67);  // "Labels" off: the slider's end values go
    EXPECT_TRUE(PixelBecomes(446, 63, kWhite));
    // The check mark changes before the labels are erased in the same handler: wait for both.
    const auto labelInk = [this] {
        const std::vector<int> shot = Screenshot();
        int ink = 0;
        for (int y = 54; y < 90; ++y) {
            for (int x = 10; x < 29; ++x) {
                ink += shot[static_cast<size_t>(y * kWidth + x)] == kBlack ? 1 : 0;
            }
        }
        return ink;
    };
    EXPECT_TRUE(testsupport::WaitFor([&] { return labelInk() == 0; }));
}

TEST_F(GalleryTest, TheButtonsOpenEachDialogAndQuitEndsTheGallery)
{
    window.ClickAt(55, 384);
    EXPECT_TRUE(DialogOpens("Message"));  // closing it gives the gallery its input back
    window.ClickAt(151, 384);
    EXPECT_TRUE(DialogOpens("Question"));
    window.ClickAt(247, 384);
    EXPECT_TRUE(DialogOpens("Top Ten"));
    window.ClickAt(343, 384);
    EXPECT_TRUE(DialogOpens("Info..."));
    window.ClickAt(439, 384);
    EXPECT_EQ(gallery.WaitForExit(), 0);
}

TEST_F(GalleryTest, TheWindowManagersCloseEndsTheGallery)
{
    window.Input().SendDeleteWindow(window.Id());
    EXPECT_EQ(gallery.WaitForExit(), 0);
}

}  // namespace
