#include <gtest/gtest.h>

#include "ui/widgets/Slider.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
#include "support/ShownForm.h"

namespace tarnbrook {
namespace {

constexpr int kFace = 0xC8D2DC;
constexpr int kInk = 0x000000;
constexpr int kLight = 0xDDDDDD;
constexpr int kX = 20;
constexpr int kY = 30;

std::vector<std::string> changes;

void RecordChange(Slider*, int value)
{
    changes.push_back("handler " + std::to_string(value));
}

void RecordOnChange(GUIElement*)
{
    changes.push_back("OnChange");
}

class SliderDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        changes.clear();
        ASSERT_TRUE(surface.Viewable());
        ASSERT_TRUE(input.Connected());
    }

    // Over 0 .. 4 at (kX, kY), asked to be 10 x 10.
    Slider& Horizontal()
    {
        slider.SetSize(10, 10);
        slider.SetPosition(kX, kY);
        slider.SetBackColor(kFace);
        slider.SetChangeHandler(RecordChange);
        slider.SetOnChange(RecordOnChange);
        slider.Show();
        return slider;
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

    Window FormWindow() { return surface.Get().GetWindow(); }
    void Pump() { testsupport::DispatchPending(&surface.Get()); }

    testsupport::ShownForm surface;
    testsupport::InputDriver input;
    Slider slider{&surface.Get(), false, 0, 4};
};

TEST_F(SliderDisplayTest, OverFourStepsItIs72WideWithTicksEightApartAndALastGapOfNine)
{
    Horizontal();
    EXPECT_EQ(slider.GetWidth(), 72);
    EXPECT_EQ(slider.GetHeight(), 36);
    // Track from x 40 to 73 on row 48; ticks reach 3 rows either side of it.
    const int ym = kY + 18;
    EXPECT_EQ(InkColumns(ym - 3, kX + 18, kX + 58), (std::vector<int>{40, 48, 56, 64, 73}));
    ASSERT_EQ(slider.GetTicks().size(), 5u);
    EXPECT_EQ(slider.GetTicks()[4].x, 73);
    EXPECT_EQ(slider.GetTicks()[4].y, ym);
    EXPECT_EQ(surface.Pixel(41, ym - 3), kLight);  // each tick has a light right edge
    EXPECT_EQ(surface.Pixel(52, ym), kInk);         // the track
    EXPECT_EQ(surface.Pixel(52, ym + 1), kLight);
    EXPECT_EQ(surface.Pixel(52, ym + 4), kFace);
    // The thumb points down at the tick of the value, 5 to 15 rows above the track.
    EXPECT_EQ(surface.Pixel(40, ym - 8), kInk);
    EXPECT_EQ(surface.Pixel(56, ym - 8), kFace);
    slider.SetValue(2);
    EXPECT_EQ(surface.Pixel(40, ym - 8), kFace);
    EXPECT_EQ(surface.Pixel(56, ym - 8), kInk);
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
    EXPECT_EQ(tall.GetTicks()[0].y, 38);
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
}

TEST_F(SliderDisplayTest, KeysStepAndWrapOnlyWhileFocusedAndEnabled)
{
    Horizontal();
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 0);  // not focused
    slider.GotFocus();
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
    EXPECT_EQ(changes, (std::vector<std::string>{"handler 0", "OnChange", "handler 4", "OnChange",
                                                 "handler 0", "OnChange"}));
}

TEST_F(SliderDisplayTest, TheFocusRectangleIsDashedAndADisabledSliderIsGrey)
{
    Horizontal();
    slider.GotFocus();
    const testsupport::InkBox dashes = surface.FindColor(kX, kY + 1, 72, 1, kInk);
    EXPECT_EQ(dashes.left, kX);
    EXPECT_GT(dashes.right, kX + 60);
    EXPECT_GT(dashes.count, 20);
    EXPECT_LT(dashes.count, 60);
    EXPECT_EQ(surface.Pixel(kX, kY + 34), kInk);
    slider.Enable(false);
    EXPECT_TRUE(surface.FindColor(kX, kY, 73, 37, kInk).Empty());
    EXPECT_EQ(surface.Pixel(40, kY + 18), 0x9B9B9B);
}

TEST_F(SliderDisplayTest, DraggingFollowsThePointerOutsideTheSliderUntilTheRelease)
{
    Horizontal();
    input.MoveTo(FormWindow(), 40, kY + 18);
    input.PressButton(Button1);
    Pump();
    EXPECT_TRUE(slider.IsDragging());
    EXPECT_EQ(Application::focused, &slider);
    input.MoveTo(FormWindow(), 63, 150);  // far below the slider, over tick 3
    Pump();
    EXPECT_EQ(slider.GetValue(), 3);
    EXPECT_EQ(surface.Pixel(64, kY + 10), kInk);  // the thumb moved there
    input.MoveTo(FormWindow(), 48, 160);
    Pump();
    EXPECT_EQ(slider.GetValue(), 1);
    input.ReleaseButton(Button1);
    input.MoveTo(FormWindow(), 73, 160);
    Pump();
    EXPECT_FALSE(slider.IsDragging());  // released elsewhere: the focus went
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(slider.GetValue(), 1);
    EXPECT_EQ(changes, (std::vector<std::string>{"handler 3", "OnChange", "handler 1", "OnChange"}));
}

TEST_F(SliderDisplayTest, AClickBetweenTicksTakesTheNextOneAndAnEmptyRangeIsOneStep)
{
    Horizontal();
    input.Click(FormWindow(), 51, kY + 30);
    Pump();
    EXPECT_EQ(slider.GetValue(), 2);
    EXPECT_FALSE(slider.IsDragging());
    Slider flat(&surface.Get(), false, 7, 3);
    flat.SetPosition(20, 100);
    flat.Show();
    EXPECT_EQ(flat.GetMaximum(), 8);
    EXPECT_EQ(flat.GetTicks().size(), 2u);
    flat.SetValue(-100);
    EXPECT_EQ(flat.GetValue(), 7);
}

}  // namespace
}  // namespace tarnbrook
