#include <gtest/gtest.h>

#include "ui/widgets/ScrollBar.h"

#include <X11/keysym.h>

#include <cstdint>
#include <vector>

#include "app/Application.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
#include "support/ShownForm.h"

namespace tarnbrook {
namespace {

constexpr int kGrey = 0xAAAAAA;
constexpr int kFace = 0xC8D2DC;
constexpr int kInk = 0x000000;
constexpr int kLight = 0xDDDDDD;
// A horizontal bar at (kX, kY), 122 x 21: an 80-pixel track from x 41 to 120.
constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kMiddle = kY + 10;

std::vector<int64_t> scrolls;

void RecordScroll(ScrollBar*, int64_t tenTimesValue)
{
    scrolls.push_back(tenTimesValue);
}

class ScrollBarDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        scrolls.clear();
        ASSERT_TRUE(surface.Viewable());
        ASSERT_TRUE(input.Connected());
        bar.SetSize(122, 13);
        bar.SetPosition(kX, kY);
        bar.SetBackColor(kFace);
        bar.SetScrollHandler(RecordScroll);
    }

    Window FormWindow() { return surface.Get().GetWindow(); }
    void Pump() { testsupport::DispatchPending(&surface.Get()); }

    testsupport::ShownForm surface;
    testsupport::InputDriver input;
    ScrollBar bar{&surface.Get(), 0, 200};  // 3 pages: cells of 26, 26 and 28 pixels
};

TEST_F(ScrollBarDisplayTest, FrameArrowsCellsAndTheBlockOnTheCurrentPage)
{
    bar.SetValue(85);
    bar.Show();
    EXPECT_EQ(bar.GetHeight(), 21);
    ASSERT_EQ(bar.GetTicks().size(), 3u);
    EXPECT_EQ(bar.GetTicks()[0].x, 41);
    EXPECT_EQ(bar.GetTicks()[1].x, 67);
    EXPECT_EQ(bar.GetTicks()[2].x, 93);
    EXPECT_EQ(surface.Pixel(80, kY), kLight);
    EXPECT_EQ(surface.Pixel(kX, kMiddle), kLight);
    EXPECT_EQ(surface.Pixel(kX + 122, kMiddle), kInk);
    EXPECT_EQ(surface.Pixel(80, kY + 21), kInk);
    EXPECT_EQ(surface.Pixel(kX + 10, kMiddle), kInk);   // left arrow
    EXPECT_EQ(surface.Pixel(kX + 112, kMiddle), kInk);  // right arrow
    // The block fills page 1's cell below the top inset.
    EXPECT_EQ(surface.FindColor(41, kY + 1, 80, 19, kInk).left, 67);
    EXPECT_EQ(surface.FindColor(41, kY + 1, 80, 19, kInk).right, 91);
    EXPECT_EQ(surface.FindColor(41, kY + 1, 80, 19, kInk).top, kY + 2);
    EXPECT_EQ(surface.Pixel(50, kMiddle), kFace);
    bar.SetValue(199);  // the last page's block takes the rest of the track
    EXPECT_EQ(surface.FindColor(41, kY + 1, 80, 19, kInk).left, 93);
    EXPECT_EQ(surface.FindColor(41, kY + 1, 80, 19, kInk).right, 119);
    EXPECT_EQ(surface.Pixel(80, kMiddle), kFace);
}

TEST_F(ScrollBarDisplayTest, AOnePageBarDrawsNoBlockAndItsKeysStayAtTheMinimum)
{
    bar.SetRange(10, 60);
    bar.SetValue(10);
    bar.Show();
    EXPECT_EQ(bar.GetTicks().size(), 1u);
    EXPECT_TRUE(surface.FindColor(41, kY + 1, 80, 19, kInk).Empty());
    bar.GotFocus();
    bar.KeyDown(XK_Right);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(bar.GetValue(), 10);
    EXPECT_TRUE(scrolls.empty());
}

TEST_F(ScrollBarDisplayTest, APressOnTheLeftArrowZoneGoesAPageBackAndReportsTenTimesTheValue)
{
    bar.SetValue(160);
    bar.Show();
    input.Click(FormWindow(), kX + 5, kMiddle);
    Pump();
    EXPECT_EQ(bar.GetValue(), 80);
    EXPECT_EQ(surface.FindColor(41, kY + 1, 80, 19, kInk).left, 67);
    input.Click(FormWindow(), kX + 118, kMiddle);  // the right zone: a page on
    input.Click(FormWindow(), kX + 118, kMiddle);  // none left: nothing changes
    Pump();
    EXPECT_EQ(bar.GetValue(), 160);
    EXPECT_EQ(scrolls, (std::vector<int64_t>{800, 1600}));
}

TEST_F(ScrollBarDisplayTest, PressingAndDraggingOnTheTrackGoToThePageUnderThePointer)
{
    bar.Show();
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
    input.MoveTo(FormWindow(), 30, 150);   // before it: the first page
    Pump();
    EXPECT_EQ(bar.GetValue(), 0);
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_FALSE(bar.IsDragging());
    EXPECT_EQ(scrolls, (std::vector<int64_t>{800, 1600, 0}));
}

TEST_F(ScrollBarDisplayTest, SetValueStoresWhatItIsGivenAndKeysMoveByPages)
{
    bar.Show();
    bar.SetValue(9999);
    EXPECT_EQ(bar.GetValue(), 9999);
    EXPECT_EQ(surface.FindColor(41, kY + 1, 80, 19, kInk).left, 93);  // shown on the last page
    bar.GotFocus();
    bar.KeyDown(XK_Up);
    EXPECT_EQ(bar.GetValue(), 80);
    EXPECT_TRUE(bar.KeyChar(' '));  // space is Down
    EXPECT_EQ(bar.GetValue(), 160);
    bar.Enable(false);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(bar.GetValue(), 160);
    EXPECT_EQ(surface.Pixel(kX + 10, kMiddle), 0x9B9B9B);
    EXPECT_EQ(scrolls, (std::vector<int64_t>{800, 1600}));
}

TEST_F(ScrollBarDisplayTest, MovingAShownBarErasesItWhereItWas)
{
    bar.SetValue(100);
    bar.Show();
    const uint32_t id = bar.GetId();
    bar.SetPosition(kX, 100);
    EXPECT_EQ(surface.CountOther(kX, kY, 123, 22, kGrey), 0);  // the frame's far edges too
    EXPECT_EQ(surface.Pixel(kX + 10, 110), kInk);
    EXPECT_EQ(bar.GetId(), id);
}

TEST_F(ScrollBarDisplayTest, AVerticalBarHasItsArrowsAtTheTopAndBottom)
{
    bar.SetVertical(true);
    bar.SetSize(13, 122);
    bar.Show();
    EXPECT_EQ(bar.GetWidth(), 21);
    EXPECT_EQ(bar.GetTicks()[1].y, kY + 21 + 26);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kInk);   // top arrow
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 112), kInk);  // bottom arrow
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 30), kInk);   // the block of page 0
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 60), kFace);
    bar.SetValue(100);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 60), kInk);   // the block of page 1
    bar.SetHorizontal(true);
    EXPECT_FALSE(bar.IsVertical());
}

}  // namespace
}  // namespace tarnbrook
