#include <gtest/gtest.h>

#include "ui/widgets/ScrollBar.h"

#include <X11/keysym.h>

#include <cstdint>
#include <vector>

#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

using namespace testsupport;
using Scrolls = std::vector<int64_t>;

// A horizontal bar at (kX, kY), 122 x 21: an 80-pixel track from x 41 to 120.
constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kMiddle = kY + 10;

Scrolls scrolls;

class ScrollBarDisplayTest : public InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        scrolls.clear();
        bar.SetScrollHandler([](ScrollBar*, int64_t tenTimes) { scrolls.push_back(tenTimes); });
    }
    void Show(int value)
    {
        bar.SetValue(value);
        ShowAt(bar, kX, kY, 122, 13);
    }
    // Where the page block is on the track.
    InkBox Block() { return surface.FindColor(41, kY + 1, 80, 19, kBlack); }

    ScrollBar bar{&surface.Get(), 0, 200};  // 3 pages: cells of 26, 26 and 28 pixels
};

// Light top and left edges, dark right and bottom ones, both arrows, and the block filling the
// current page's cell below the top inset; the last page's block takes the rest of the track.
TEST_F(ScrollBarDisplayTest, FrameArrowsCellsAndTheBlockOnTheCurrentPage)
{
    Show(85);
    EXPECT_EQ(bar.GetHeight(), 21);
    EXPECT_EQ(Unmet(surface, {{80, kY, kLight},
                              {kX, kMiddle, kLight},
                              {kX + 122, kMiddle, kBlack},
                              {80, kY + 21, kBlack},
                              {kX + 10, kMiddle, kBlack},
                              {kX + 112, kMiddle, kBlack}}),
              "");  // edges, then both arrows
    EXPECT_EQ(XY(Point{Block().left, Block().right}), "67,91");
    EXPECT_EQ(Block().top, kY + 2);
    bar.SetValue(199);
    EXPECT_EQ(XY(Point{Block().left, Block().right}), "93,119");
    EXPECT_EQ(surface.Pixel(80, kMiddle), kFace);

    bar.SetPosition(kX, 100);  // moved: erased where it was, far edges too
    EXPECT_EQ(surface.CountOther(kX, kY, 123, 22, kGrey), 0);
    EXPECT_EQ(surface.Pixel(kX + 10, 110), kBlack);
}

// The value is stored as given (shown on the nearest page); keys move a page, but not past
// either end, and not while disabled; a one-page bar draws no block.
TEST_F(ScrollBarDisplayTest, SetValueStoresWhatItIsGivenAndKeysMoveByPages)
{
    Show(9999);
    EXPECT_EQ(bar.GetValue(), 9999);
    EXPECT_EQ(Block().left, 93);
    bar.GotFocus();
    bar.KeyDown(XK_Up);
    EXPECT_EQ(bar.GetValue(), 80);
    EXPECT_TRUE(bar.KeyChar(' '));  // space is Down
    EXPECT_EQ(bar.GetValue(), 160);
    bar.Enable(false);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(bar.GetValue(), 160);
    EXPECT_EQ(surface.Pixel(kX + 10, kMiddle), kDisabled);
    bar.Enable(true);
    bar.SetRange(10, 60);
    bar.SetValue(10);
    EXPECT_TRUE(Block().Empty());
    bar.KeyDown(XK_Right);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(bar.GetValue(), 10);
    EXPECT_EQ(scrolls, (Scrolls{800, 1600}));
}

// A press on an arrow zone moves a page and the handler gets ten times the value; a press or a
// drag on the track goes to the page under the pointer, wherever the pointer is held.
TEST_F(ScrollBarDisplayTest, PressesOnTheArrowZonesAndDragsOnTheTrack)
{
    Show(160);
    input.Click(FormWindow(), kX + 5, kMiddle);
    Pump();
    EXPECT_EQ(bar.GetValue(), 80);
    EXPECT_EQ(Block().left, 67);
    input.Click(FormWindow(), kX + 118, kMiddle);  // the right zone: a page on
    input.Click(FormWindow(), kX + 118, kMiddle);  // none left: nothing changes
    input.MoveTo(FormWindow(), 70, kMiddle);
    input.PressButton(Button1);
    Pump();
    EXPECT_EQ(bar.GetValue(), 80);
    input.MoveTo(FormWindow(), 120, 150);  // the last pixel of the last cell, below the bar
    Pump();
    EXPECT_EQ(bar.GetValue(), 160);
    input.MoveTo(FormWindow(), 135, 150);  // beyond the track: no page there
    Pump();
    EXPECT_EQ(bar.GetValue(), 160);
    input.MoveTo(FormWindow(), 30, 150);  // before it: the first page
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_EQ(bar.GetValue(), 0);
    EXPECT_FALSE(bar.IsDragging());
    EXPECT_EQ(scrolls, (Scrolls{800, 1600, 800, 1600, 0}));
}

TEST_F(ScrollBarDisplayTest, AVerticalBarHasItsArrowsAtTheTopAndBottom)
{
    bar.SetVertical(true);
    ShowAt(bar, kX, kY, 13, 122);
    EXPECT_EQ(bar.GetWidth(), 21);
    // Both arrows and the block of page 0.
    EXPECT_EQ(Unmet(surface, {{kX + 10, kY + 10, kBlack},
                              {kX + 10, kY + 112, kBlack},
                              {kX + 10, kY + 30, kBlack},
                              {kX + 10, kY + 60, kFace}}),
              "");
    bar.SetValue(100);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 60), kBlack);  // the block of page 1
}

}  // namespace
}  // namespace tarnbrook
