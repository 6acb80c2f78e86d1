#include <gtest/gtest.h>

#include "ui/widgets/CheckBox.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "support/MarkColors.h"
#include "support/SurfaceTest.h"
#include "ui/widgets/MarkPictures.h"

namespace tarnbrook {
namespace {

using Events = std::vector<std::string>;

constexpr int kFace = 0xC8D2DC;
constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kW = 120;

Events events;

class CheckBoxDisplayTest : public testsupport::InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        box.SetSize(kW, 30);
        box.SetPosition(kX, kY);
        box.SetBackColor(kFace);
        box.SetCommand([](GUIElement*) { events.push_back("command"); });
        box.SetOnMouseUp([](GUIElement*, int64_t, Point) { events.push_back("OnMouseUp"); });
        box.Show();
    }

    // Pixels of the tick box that differ from the map in the box's current state.
    int TickBoxDifferences()
    {
        const std::vector<int> pixels = surface.Area(kX + 1, kY + 1, kMarkSize, kMarkSize);
        int wrong = 0;
        for (int row = 0; row < kMarkSize; ++row) {
            for (int column = 0; column < kMarkSize; ++column) {
                const int expected = testsupport::MarkLetterColor(
                    kTickBoxMap[row][column], box.IsEnabled(), box.IsChecked(), false);
                wrong += pixels[static_cast<size_t>(row * kMarkSize + column)] != expected;
            }
        }
        return wrong;
    }
    void ClickCaption() { input.Click(FormWindow(), kX + 40, kY + 10); }

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
    Pump();
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(TickBoxDifferences(), 0);
    input.Click(FormWindow(), kX + 5, kY + 5);
    input.TypeKey(XK_space);
    input.TypeKey(XK_Down);  // other keys do nothing
    Pump();
    EXPECT_TRUE(box.IsChecked());  // toggled twice more
    box.Enable(false);
    ClickCaption();
    Pump();
    box.KeyChar(' ');
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(events, (Events{"command", "OnMouseUp", "command", "OnMouseUp", "command",
                              "OnMouseUp"}));
}

TEST_F(CheckBoxDisplayTest, CaptionFocusRectangleDisabledGreyAndHiding)
{
    const testsupport::InkBox caption = surface.FindColor(kX + 21, kY, kW - 21, 30, 0x000000);
    ASSERT_FALSE(caption.Empty());
    EXPECT_GE(caption.left, kX + 26);
    box.GotFocus();
    EXPECT_EQ(surface.Pixel(kX + 23, kY + 2), 0x000000);  // the dashes start on
    EXPECT_EQ(surface.Pixel(kX + 23, kY + 29), 0x000000);
    EXPECT_EQ(surface.Pixel(kX + kW - 8, kY + 2), 0x000000);
    box.LostFocus();
    EXPECT_EQ(surface.Pixel(kX + 23, kY + 2), kFace);
    EXPECT_EQ(surface.CountOther(kX, kY + 30, kW + 1, 2, 0xAAAAAA), 0);  // nothing left below
    box.GotFocus();
    box.Enable(false);
    EXPECT_TRUE(surface.FindColor(kX + 21, kY, kW - 21, 30, 0x000000).Empty());
    EXPECT_FALSE(surface.FindColor(kX + 26, kY, kW - 26, 30, 0x9B9B9B).Empty());

    box.SetSize(kW, 10);  // too low for the tick box: it grows
    EXPECT_EQ(box.GetHeight(), 22);
    box.Hide();
    EXPECT_EQ(surface.CountOther(kX, kY, kW, 22, 0xAAAAAA), 0);
    EXPECT_FALSE(box.IsCreated());
}

TEST_F(CheckBoxDisplayTest, TheCommandMayDeleteTheBox)
{
    auto* doomed = new CheckBox(&surface.Get(), "Gone");
    doomed->SetPosition(kX, 100);
    doomed->SetCommand([](GUIElement* sender) {
        events.push_back("deleted");
        delete sender;
    });
    doomed->Show();
    input.Click(FormWindow(), kX + 10, 110);
    Pump();
    EXPECT_EQ(events, Events{"deleted"});
    EXPECT_EQ(Application::focused, nullptr);
}

}  // namespace
}  // namespace tarnbrook
