#include <gtest/gtest.h>

#include "ui/widgets/Slider.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

using namespace testsupport;
using Changes = std::vector<std::string>;

constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kTrack = kY + 18;  // the row of a horizontal track

Changes changes;

// A horizontal slider over 0 .. 4 at (kX, kY), asked to be 10 x 10: it is 72 x 36.
class SliderDisplayTest : public InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        changes.clear();
        slider.SetChangeHandler(
            [](Slider*, int value) { changes.push_back("handler " + std::to_string(value)); });
        slider.SetOnChange([](GUIElement*) { changes.push_back("OnChange"); });
        ShowAt(slider, kX, kY, 10, 10);
    }
    Slider slider{&surface.Get(), false, 0, 4};
};

// Ticks 8 apart with a last gap of 9 reach 3 rows either side of the track (x 40 to 73), each
// with a light right edge; the thumb points down at the value's tick from 5 to 15 rows above;
// the end values are printed left and right.
TEST_F(SliderDisplayTest, TicksTrackThumbAndLabelsOfAHorizontalSlider)
{
    EXPECT_EQ(Unmet(surface, {{40, kTrack - 3, kBlack},
                              {73, kTrack + 3, kBlack},
                              {41, kTrack - 3, kLight},
                              {52, kTrack, kBlack},
                              {52, kTrack + 1, kLight},
                              {40, kTrack - 8, kBlack}}),
              "");
    slider.SetValue(2);
    EXPECT_EQ(Unmet(surface, {{40, kTrack - 8, kFace}, {56, kTrack - 8, kBlack}}), "");
    EXPECT_FALSE(surface.FindColor(kX, kY, 19, 36, kBlack).Empty());
    EXPECT_FALSE(surface.FindColor(75, kY, 18, 36, kBlack).Empty());
    slider.SetShowLabels(false);
    EXPECT_EQ(surface.FindColor(kX, kY, 19, 36, kBlack).count +
                  surface.FindColor(75, kY, 18, 36, kBlack).count,
              0);
}

// Ticks go down, the thumb is on the right pointing left; SetValue is limited to the range.
TEST_F(SliderDisplayTest, AVerticalSliderHasItsTicksDownAndItsThumbOnTheRight)
{
    Slider tall(&surface.Get(), true, 10, 12);
    tall.SetShowLabels(false);
    ShowAt(tall, 150, 20, 10, 10);
    const int xm = 150 + 20;
    // Tick 1 and its light edge, the track's light side, the thumb at 10.
    EXPECT_EQ(Unmet(surface, {{xm - 3, 46, kBlack},
                              {xm - 3, 47, kLight},
                              {xm + 1, 50, kLight},
                              {xm + 10, 38, kBlack}}),
              "");
    tall.SetValue(99);
    EXPECT_EQ(tall.GetValue(), 12);
    EXPECT_EQ(surface.Pixel(xm + 10, 55), kBlack);
}

// Right at the maximum wraps to the minimum, Up at the minimum to the maximum, else a key steps
// by one (space is Down), each running the handler; nothing while unfocused or disabled.
TEST_F(SliderDisplayTest, KeysStepAndWrapOnlyWhileFocusedAndEnabled)
{
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 0);
    slider.GotFocus();
    const InkBox dashes = surface.FindColor(kX, kY + 1, 72, 1, kBlack);
    EXPECT_EQ(dashes.left, kX);
    EXPECT_GT(dashes.count, 20);
    EXPECT_LT(dashes.count, 60);
    slider.SetValue(4);
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 0);
    slider.KeyDown(XK_Up);
    slider.KeyDown(XK_Up);
    EXPECT_EQ(slider.GetValue(), 3);
    EXPECT_TRUE(slider.KeyChar(' '));
    slider.KeyDown(XK_a);
    slider.Enable(false);
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 4);
    EXPECT_TRUE(surface.FindColor(kX, kY, 73, 37, kBlack).Empty());  // grey when disabled
    EXPECT_EQ(surface.Pixel(40, kTrack), kDisabled);
    EXPECT_EQ(changes, (Changes{"handler 0", "OnChange", "handler 4", "OnChange", "handler 3",
                                "OnChange", "handler 4", "OnChange"}));
}

// A click between ticks takes the next one; a drag follows the pointer outside the slider until
// the release, which elsewhere takes the focus away.
TEST_F(SliderDisplayTest, ClicksAndDragsTakeTheTickAtOrAfterThePointer)
{
    input.Click(FormWindow(), 51, kY + 30);
    input.MoveTo(FormWindow(), 40, kTrack);
    input.PressButton(Button1);
    Pump();
    EXPECT_TRUE(slider.IsDragging());
    EXPECT_EQ(Application::focused, &slider);
    input.MoveTo(FormWindow(), 63, 150);  // far below the slider, over tick 3
    Pump();
    EXPECT_EQ(slider.GetValue(), 3);
    EXPECT_EQ(surface.Pixel(64, kY + 10), kBlack);  // the thumb moved there
    input.MoveTo(FormWindow(), 48, 160);
    input.ReleaseButton(Button1);
    input.MoveTo(FormWindow(), 73, 160);
    Pump();
    EXPECT_FALSE(slider.IsDragging());
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(slider.GetValue(), 1);
    EXPECT_EQ(changes, (Changes{"handler 2", "OnChange", "handler 0", "OnChange", "handler 3",
                                "OnChange", "handler 1", "OnChange"}));
}

}  // namespace
}  // namespace tarnbrook
