#include <gtest/gtest.h>

#include "ui/widgets/Slider.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "support/SurfaceTest.h"

namespace tarnbrook {
namespace {

using Changes = std::vector<std::string>;

constexpr int kFace = 0xC8D2DC;
constexpr int kInk = 0x000000;
constexpr int kLight = 0xDDDDDD;
constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kTrack = kY + 18;  // the row of a horizontal track

Changes changes;

// A horizontal slider over 0 .. 4 at (kX, kY), asked to be 10 x 10.
class SliderDisplayTest : public testsupport::InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        slider.SetSize(10, 10);
        slider.SetPosition(kX, kY);
        slider.SetBackColor(kFace);
        slider.SetChangeHandler(
            [](Slider*, int value) { changes.push_back("handler " + std::to_string(value)); });
        slider.SetOnChange([](GUIElement*) { changes.push_back("OnChange"); });
        slider.Show();
    }

    // The columns of the ink on one row of the slider.
    std::vector<int> InkColumns(int row, int from, int to)
    {
        std::vector<int> columns;
        const std::vector<int> pixels = surface.Area(from, row, to - from, 1);
        for (size_t i = 0; i < pixels.size(); ++i) {
            if (pixels[i] == kInk) {
                columns.push_back(from + static_cast<int>(i));
            }
        }
        return columns;
    }

    Slider slider{&surface.Get(), false, 0, 4};
};

TEST_F(SliderDisplayTest, OverFourStepsItIs72WideWithTicksEightApartAndALastGapOfNine)
{
    EXPECT_EQ(slider.GetWidth(), 72);
    EXPECT_EQ(slider.GetHeight(), 36);
    // Track from x 40 to 73; ticks reach 3 rows either side of it.
    EXPECT_EQ(InkColumns(kTrack - 3, kX + 18, kX + 58), (std::vector<int>{40, 48, 56, 64, 73}));
    ASSERT_EQ(slider.GetTicks().size(), 5u);
    EXPECT_EQ(slider.GetTicks()[4].x, 73);
    EXPECT_EQ(slider.GetTicks()[4].y, kTrack);
    EXPECT_EQ(surface.Pixel(41, kTrack - 3), kLight);  // each tick has a light right edge
    EXPECT_EQ(surface.Pixel(52, kTrack), kInk);        // the track
    EXPECT_EQ(surface.Pixel(52, kTrack + 1), kLight);
    // The thumb points down at the tick of the value, 5 to 15 rows above the track.
    EXPECT_EQ(surface.Pixel(40, kTrack - 8), kInk);
    slider.SetValue(2);
    EXPECT_EQ(surface.Pixel(40, kTrack - 8), kFace);
    EXPECT_EQ(surface.Pixel(56, kTrack - 8), kInk);
    // The end values are printed left and right of the track.
    EXPECT_FALSE(surface.FindColor(kX, kY, 19, 36, kInk).Empty());
    EXPECT_FALSE(surface.FindColor(75, kY, 18, 36, kInk).Empty());
    slider.SetShowLabels(false);
    EXPECT_TRUE(surface.FindColor(kX, kY, 19, 36, kInk).Empty());
    EXPECT_TRUE(surface.FindColor(75, kY, 18, 36, kInk).Empty());
}

TEST_F(SliderDisplayTest, AVerticalSliderHasItsTicksDownAndItsThumbOnTheRight)
{
    Slider tall(&surface.Get(), true, 10, 12);
    tall.SetSize(10, 10);
    tall.SetPosition(150, 20);
    tall.SetShowLabels(false);
    tall.Show();
    EXPECT_EQ(tall.GetWidth(), 40);
    EXPECT_EQ(tall.GetHeight(), 52);  // 8 per step plus 36
    const int xm = 150 + 20;
    ASSERT_EQ(tall.GetTicks().size(), 3u);
    EXPECT_EQ(tall.GetTicks()[1].y, 46);
    EXPECT_EQ(tall.GetTicks()[2].y, 55);
    EXPECT_EQ(tall.GetTicks()[0].x, xm);
    EXPECT_EQ(surface.Pixel(xm - 3, 46), kInk);
    EXPECT_EQ(surface.Pixel(xm - 3, 47), kLight);
    EXPECT_EQ(surface.Pixel(xm + 1, 50), kLight);  // the track's light side
    EXPECT_EQ(surface.Pixel(xm + 10, 38), kInk);   // thumb at 10, pointing left
    tall.SetValue(99);
    EXPECT_EQ(tall.GetValue(), 12);  // limited to the range
    EXPECT_EQ(surface.Pixel(xm + 10, 55), kInk);

    Slider flat(&surface.Get(), false, 7, 3);  // an empty range is one step
    flat.Show();
    EXPECT_EQ(flat.GetMaximum(), 8);
    EXPECT_EQ(flat.GetTicks().size(), 2u);
}

TEST_F(SliderDisplayTest, KeysStepAndWrapOnlyWhileFocusedAndEnabled)
{
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 0);  // not focused
    slider.GotFocus();
    const testsupport::InkBox dashes = surface.FindColor(kX, kY + 1, 72, 1, kInk);
    EXPECT_EQ(dashes.left, kX);
    EXPECT_GT(dashes.count, 20);
    EXPECT_LT(dashes.count, 60);
    slider.SetValue(4);
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 0);
    slider.KeyDown(XK_Up);
    EXPECT_EQ(slider.GetValue(), 4);
    EXPECT_TRUE(slider.KeyChar(' '));  // space is Down
    EXPECT_EQ(slider.GetValue(), 0);
    slider.KeyDown(XK_a);
    slider.Enable(false);
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 0);
    EXPECT_TRUE(surface.FindColor(kX, kY, 73, 37, kInk).Empty());  // grey when disabled
    EXPECT_EQ(surface.Pixel(40, kTrack), 0x9B9B9B);
    EXPECT_EQ(changes, (Changes{"handler 0", "OnChange", "handler 4", "OnChange", "handler 0",
                                "OnChange"}));
}

// A click between ticks takes the next one; a drag follows the pointer outside the slider
// until the release.
TEST_F(SliderDisplayTest, ClicksAndDragsTakeTheTickAtOrAfterThePointer)
{
    input.Click(FormWindow(), 51, kY + 30);
    Pump();
    EXPECT_EQ(slider.GetValue(), 2);
    EXPECT_FALSE(slider.IsDragging());
    input.MoveTo(FormWindow(), 40, kTrack);
    input.PressButton(Button1);
    Pump();
    EXPECT_TRUE(slider.IsDragging());
    EXPECT_EQ(Application::focused, &slider);
    input.MoveTo(FormWindow(), 63, 150);  // far below the slider, over tick 3
    Pump();
    EXPECT_EQ(slider.GetValue(), 3);
    EXPECT_EQ(surface.Pixel(64, kY + 10), kInk);  // the thumb moved there
    input.MoveTo(FormWindow(), 48, 160);
    input.ReleaseButton(Button1);
    input.MoveTo(FormWindow(), 73, 160);
    Pump();
    EXPECT_FALSE(slider.IsDragging());  // released elsewhere: the focus went
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(slider.GetValue(), 1);
    EXPECT_EQ(changes, (Changes{"handler 2", "OnChange", "handler 0", "OnChange", "handler 3",
                                "OnChange", "handler 1", "OnChange"}));
}

}  // namespace
}  // namespace tarnbrook
