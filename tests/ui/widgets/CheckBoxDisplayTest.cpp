#include <gtest/gtest.h>

#include "ui/widgets/CheckBox.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
#include "support/MarkColors.h"
#include "support/ShownForm.h"
#include "ui/widgets/MarkPictures.h"

namespace tarnbrook {
namespace {

constexpr int kFace = 0xC8D2DC;
constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kW = 120;

std::vector<std::string> events;

void RecordCommand(GUIElement*)
{
    events.push_back("command");
}

void RecordMouseUp(GUIElement*, int64_t, Point)
{
    events.push_back("OnMouseUp");
}

void DeleteSender(GUIElement* sender)
{
    events.push_back("deleted");
    delete sender;
}

class CheckBoxDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        events.clear();
        ASSERT_TRUE(surface.Viewable());
        ASSERT_TRUE(input.Connected());
        box.SetSize(kW, 30);
        box.SetPosition(kX, kY);
        box.SetBackColor(kFace);
        box.SetCommand(RecordCommand);
        box.SetOnMouseUp(RecordMouseUp);
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

    Window FormWindow() { return surface.Get().GetWindow(); }
    void Pump() { testsupport::DispatchPending(&surface.Get()); }

    testsupport::ShownForm surface;
    testsupport::InputDriver input;
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

TEST_F(CheckBoxDisplayTest, AClickTogglesAndRunsTheCommandBeforeOnMouseUp)
{
    input.Click(FormWindow(), kX + 40, kY + 10);
    Pump();
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(TickBoxDifferences(), 0);
    input.Click(FormWindow(), kX + 5, kY + 5);
    Pump();
    EXPECT_FALSE(box.IsChecked());
    EXPECT_EQ(events, (std::vector<std::string>{"command", "OnMouseUp", "command", "OnMouseUp"}));
}

TEST_F(CheckBoxDisplayTest, ADisabledBoxNeitherTogglesNorRunsItsCommandButOnMouseUpRuns)
{
    input.Click(FormWindow(), kX + 40, kY + 10);  // takes the focus
    Pump();
    box.Enable(false);
    input.Click(FormWindow(), kX + 40, kY + 10);
    Pump();
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(events, (std::vector<std::string>{"command", "OnMouseUp", "OnMouseUp"}));
    box.KeyChar(' ');
    EXPECT_TRUE(box.IsChecked());
}

TEST_F(CheckBoxDisplayTest, SpaceTogglesOnlyWithTheFocus)
{
    box.KeyChar(' ');
    EXPECT_FALSE(box.IsChecked());
    input.Click(FormWindow(), kX + 40, kY + 10);
    input.TypeKey(XK_space);
    input.TypeKey(XK_Down);  // other keys do nothing
    Pump();
    EXPECT_FALSE(box.IsChecked());  // toggled twice
    EXPECT_EQ(events, (std::vector<std::string>{"command", "OnMouseUp", "command"}));
}

TEST_F(CheckBoxDisplayTest, CaptionFocusRectangleAndDisabledGrey)
{
    const testsupport::InkBox caption = surface.FindColor(kX + 21, kY, kW - 21, 30, 0x000000);
    ASSERT_FALSE(caption.Empty());
    EXPECT_GE(caption.left, kX + 26);
    box.GotFocus();
    EXPECT_EQ(surface.Pixel(kX + 23, kY + 2), 0x000000);   // the dashes start on
    EXPECT_EQ(surface.Pixel(kX + 23, kY + 29), 0x000000);
    EXPECT_EQ(surface.Pixel(kX + kW - 8, kY + 2), 0x000000);
    box.LostFocus();
    EXPECT_EQ(surface.Pixel(kX + 23, kY + 2), kFace);
    EXPECT_EQ(surface.CountOther(kX, kY + 30, kW + 1, 2, 0xAAAAAA), 0);  // nothing left below
    box.GotFocus();
    box.Enable(false);
    EXPECT_TRUE(surface.FindColor(kX + 21, kY, kW - 21, 30, 0x000000).Empty());
    EXPECT_FALSE(surface.FindColor(kX + 26, kY, kW - 26, 30, 0x9B9B9B).Empty());
}

TEST_F(CheckBoxDisplayTest, ALowBoxGrowsToHoldTheTickBoxAndHidingErasesIt)
{
    box.SetSize(kW, 10);
    EXPECT_EQ(box.GetHeight(), 22);
    box.Hide();
    EXPECT_EQ(surface.CountOther(kX, kY, kW, 22, 0xAAAAAA), 0);
    EXPECT_FALSE(box.IsCreated());
}

TEST_F(CheckBoxDisplayTest, TheCommandMayDeleteTheBox)
{
    auto* doomed = new CheckBox(&surface.Get(), "Gone");
    doomed->SetPosition(kX, 100);
    doomed->SetCommand(DeleteSender);
    doomed->Show();
    input.Click(FormWindow(), kX + 10, 110);
    Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"deleted"}));
    EXPECT_EQ(Application::focused, nullptr);
}

}  // namespace
}  // namespace tarnbrook
