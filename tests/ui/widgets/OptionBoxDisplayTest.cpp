#include <gtest/gtest.h>

#include "ui/widgets/OptionBox.h"

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
constexpr int kY = 20;
constexpr int kW = 150;
constexpr int kRow = 26;

std::vector<std::string> events;
OptionBox* watched = nullptr;

void RecordCommand(GUIElement*)
{
    events.push_back("command " + std::to_string(watched->GetSelectedIndex()));
}

void RecordKeyDown(GUIElement*, KeySym)
{
    events.push_back("OnKeyDown");
}

void DeleteSender(GUIElement* sender)
{
    events.push_back("deleted");
    delete sender;
}

class OptionBoxDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        events.clear();
        watched = &box;
        ASSERT_TRUE(surface.Viewable());
        ASSERT_TRUE(input.Connected());
        box.SetSize(kW, 30);
        box.SetPosition(kX, kY);
        box.SetBackColor(kFace);
        box.SetCommand(RecordCommand);
        box.SetOnKeyDown(RecordKeyDown);
        box.Show();
        box.AddItem("Easy", "e");
        box.AddItem("Normal", "n");
        box.AddItem("Hard", "h");
    }

    // Pixels of option i's mark that differ from the map, the surround showing the face.
    int MarkDifferences(int option, int face = kFace)
    {
        const bool selected = option == box.GetSelectedIndex();
        const std::vector<int> pixels =
            surface.Area(kX + 1, kY + kRow * option + 6, kMarkSize, kMarkSize);
        int wrong = 0;
        for (int row = 0; row < kMarkSize; ++row) {
            for (int column = 0; column < kMarkSize; ++column) {
                int expected = testsupport::MarkLetterColor(kOptionMarkMap[row][column],
                                                            box.IsEnabled(), selected, true);
                expected = expected == testsupport::kSeeThrough ? face : expected;
                wrong += pixels[static_cast<size_t>(row * kMarkSize + column)] != expected;
            }
        }
        return wrong;
    }

    void ClickRow(int row) { input.Click(FormWindow(), kX + 60, kY + kRow * row + 13); }
    Window FormWindow() { return surface.Get().GetWindow(); }
    void Pump() { testsupport::DispatchPending(&surface.Get()); }

    testsupport::ShownForm surface;
    testsupport::InputDriver input;
    OptionBox box{&surface.Get()};
};

TEST_F(OptionBoxDisplayTest, EachRowShowsItsMarkOverTheFaceAndItsCaption)
{
    EXPECT_EQ(box.GetHeight(), 3 * kRow);
    box.SetSelectedIndex(1);
    for (int option = 0; option < 3; ++option) {
        EXPECT_EQ(MarkDifferences(option), 0) << option;
        EXPECT_FALSE(surface.FindColor(kX + 28, kY + kRow * option, kW - 30, kRow, 0).Empty());
    }
    EXPECT_EQ(surface.Pixel(kX + 10, kY + kRow + 14), 0x010101);  // the dot
    box.Enable(false);
    for (int option = 0; option < 3; ++option) {
        EXPECT_EQ(MarkDifferences(option), 0) << option;
    }
    EXPECT_TRUE(surface.FindColor(kX, kY, kW, 3 * kRow, 0).Empty());
    box.SetBackColor(0x336699);  // the marks' surround follows the face
    EXPECT_EQ(MarkDifferences(0, 0x336699), 0);
    EXPECT_TRUE(events.empty());  // the setters run no command
}

TEST_F(OptionBoxDisplayTest, DownOnTheLastSelectsTheFirstAndUpOnTheFirstTheLast)
{
    ClickRow(2);
    input.TypeKey(XK_Down);
    input.TypeKey(XK_Up);
    input.TypeKey(XK_Up);
    input.TypeKey(XK_space);  // Down
    input.TypeKey(XK_Left);   // nothing
    Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"command 2", "command 0", "command 2",
                                                "command 1", "command 2"}));
    EXPECT_EQ(MarkDifferences(2), 0);
    EXPECT_EQ(MarkDifferences(1), 0);
}

TEST_F(OptionBoxDisplayTest, WithNothingSelectedTheFocusRectangleIsAroundTheFirstOption)
{
    box.GotFocus();
    EXPECT_EQ(surface.Pixel(kX + 25, kY + 2), 0x000000);
    EXPECT_EQ(surface.Pixel(kX + 25, kY + 25), 0x000000);
    EXPECT_EQ(surface.Pixel(kX + kW - 6, kY + 2), 0x000000);
    EXPECT_EQ(surface.CountOther(kX + 25, kY + kRow + 1, 1, 2 * kRow - 1, kFace), 0);
    box.SetSelectedIndex(2);
    EXPECT_EQ(surface.Pixel(kX + 25, kY + 2 * kRow + 2), 0x000000);
    EXPECT_EQ(surface.CountOther(kX + 25, kY, 1, 2 * kRow, kFace), 0);
    box.LostFocus();
    EXPECT_EQ(surface.CountOther(kX, kY + 3 * kRow, kW + 1, 2, 0xAAAAAA), 0);  // nothing below
}

TEST_F(OptionBoxDisplayTest, AClickBelowTheLastOptionSelectsTheLastEvenWhenItIsSelected)
{
    box.SetSize(kW, 130);
    ClickRow(4);
    ClickRow(4);
    Pump();
    EXPECT_EQ(box.GetSelectedIndex(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"command 2", "command 2"}));
    box.Enable(false);
    ClickRow(0);  // a disabled box is not hit at all
    Pump();
    EXPECT_EQ(box.GetSelectedIndex(), 2);
}

TEST_F(OptionBoxDisplayTest, TheCommandMayDeleteTheBox)
{
    auto* doomed = new OptionBox(&surface.Get());
    doomed->SetPosition(kX, 120);
    doomed->AddItem("One", "1");
    doomed->SetCommand(DeleteSender);
    doomed->Show();
    input.Click(FormWindow(), kX + 10, 130);
    input.TypeKey(XK_space);
    Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"deleted"}));
}

}  // namespace
}  // namespace tarnbrook
