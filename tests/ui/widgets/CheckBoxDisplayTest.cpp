#include <gtest/gtest.h>

#include "ui/widgets/CheckBox.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

using namespace testsupport;
using Events = std::vector<std::string>;

constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kW = 120;

Events events;

class CheckBoxDisplayTest : public InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        events.clear();
        box.SetCommand([](GUIElement*) { events.push_back("command"); });
        box.SetOnMouseUp([](GUIElement*, int64_t, Point) { events.push_back("OnMouseUp"); });
        ShowAt(box, kX, kY, kW, 30);
    }
    int TickBoxDifferences()
    {
        return MarkDifferencesAt(surface, kX + 1, kY + 1, kTickBoxMap, box.IsEnabled(),
                                 box.IsChecked(), false, 0);
    }
    void ClickCaption()
    {
        input.Click(FormWindow(), kX + 40, kY + 10);
        Pump();
    }

    CheckBox box{&surface.Get(), "Sound"};
};

TEST_F(CheckBoxDisplayTest, TheTickBoxIsTheMapInAllFourStates)
{
    for (bool enabled : {true, false}) {
        for (bool checked : {true, false}) {
            box.Enable(enabled);
            box.SetChecked(checked);
            EXPECT_EQ(TickBoxDifferences(), 0) << "enabled " << enabled << ", checked " << checked;
        }
    }
    EXPECT_EQ(surface.Pixel(kX, kY), kFace);
    EXPECT_TRUE(events.empty());  // the setters run no command
}

// A click, or space with the focus, toggles and runs the command before OnMouseUp; a disabled
// box neither toggles nor runs its command, but its OnMouseUp runs.
TEST_F(CheckBoxDisplayTest, ClicksAndSpaceToggleWhileEnabled)
{
    box.KeyChar(' ');  // no focus yet
    ClickCaption();
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(TickBoxDifferences(), 0);
    input.Click(FormWindow(), kX + 5, kY + 5);
    input.TypeKey(XK_space);
    input.TypeKey(XK_Down);  // other keys do nothing
    Pump();
    EXPECT_TRUE(box.IsChecked());  // toggled twice more
    box.Enable(false);
    ClickCaption();
    box.KeyChar(' ');
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(events,
              (Events{"command", "OnMouseUp", "command", "OnMouseUp", "command", "OnMouseUp"}));
}

TEST_F(CheckBoxDisplayTest, CaptionFocusRectangleDisabledGreyAndHiding)
{
    EXPECT_GE(surface.FindColor(kX + 21, kY, kW - 21, 30, kBlack).left, kX + 26);  // the caption
    box.GotFocus();
    EXPECT_EQ(Unmet(surface, {{kX + 23, kY + 2, kBlack},
                              {kX + 23, kY + 29, kBlack},
                              {kX + kW - 8, kY + 2, kBlack}}),
              "");
    box.LostFocus();
    EXPECT_EQ(Unmet(surface, {{kX + 23, kY + 2, kFace}, {kX, kY + 30, kGrey, kW + 1, 2}}), "");
    box.GotFocus();
    box.Enable(false);
    EXPECT_TRUE(surface.FindColor(kX + 21, kY, kW - 21, 30, kBlack).Empty());
    EXPECT_FALSE(surface.FindColor(kX + 26, kY, kW - 26, 30, kDisabled).Empty());

    box.SetSize(kW, 10);  // too low for the tick box: it grows
    EXPECT_EQ(box.GetHeight(), 22);
    box.Hide();
    EXPECT_EQ(surface.CountOther(kX, kY, kW, 22, kGrey), 0);
}

}  // namespace
}  // namespace tarnbrook
