#include <gtest/gtest.h>

#include "ui/widgets/OptionBox.h"

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
constexpr int kY = 20;
constexpr int kW = 150;
constexpr int kRow = 26;

Events events;
OptionBox* watched = nullptr;

class OptionBoxDisplayTest : public InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        events.clear();
        watched = &box;
        box.SetCommand([](GUIElement*) {
            events.push_back("command " + std::to_string(watched->GetSelectedIndex()));
        });
        box.SetOnKeyDown([](GUIElement*, KeySym) { events.push_back("OnKeyDown"); });
        ShowAt(box, kX, kY, kW, 30);
        for (const char* caption : {"Easy", "Normal", "Hard"}) {
            box.AddItem(caption, caption);
        }
    }
    // Pixels of the option's mark that differ from the map, the surround showing the face.
    int MarkDifferences(int option, int face = kFace)
    {
        return MarkDifferencesAt(surface, kX + 1, kY + kRow * option + 6, kOptionMarkMap,
                                 box.IsEnabled(), option == box.GetSelectedIndex(), true, face);
    }
    void ClickRow(int row) { input.Click(FormWindow(), kX + 60, kY + kRow * row + 13); }

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

// Down on the last selects the first and Up on the first the last; a click below the last
// option selects the last even when it is selected; each runs the command. The user's
// OnKeyDown is not served.
TEST_F(OptionBoxDisplayTest, KeysWrapAroundAndClicksBelowTakeTheLast)
{
    box.SetSize(kW, 130);
    ClickRow(4);
    ClickRow(4);
    for (KeySym key : {XK_Down, XK_Up, XK_Up, XK_space /* Down */, XK_Left /* nothing */}) {
        input.TypeKey(key);
    }
    Pump();
    EXPECT_EQ(events, (Events{"command 2", "command 2", "command 0", "command 2", "command 1",
                              "command 2"}));
    EXPECT_EQ(MarkDifferences(2) + MarkDifferences(1), 0);
    box.Enable(false);
    ClickRow(0);  // a disabled box is not hit at all
    Pump();
    EXPECT_EQ(box.GetSelectedIndex(), 2);
}

TEST_F(OptionBoxDisplayTest, WithNothingSelectedTheFocusRectangleIsAroundTheFirstOption)
{
    box.GotFocus();
    EXPECT_EQ(Unmet(surface, {{kX + 25, kY + 2, kBlack},
                              {kX + 25, kY + 25, kBlack},
                              {kX + kW - 6, kY + 2, kBlack},
                              {kX + 25, kY + kRow + 1, kFace, 1, 2 * kRow - 1}}),
              "");
    box.SetSelectedIndex(2);
    EXPECT_EQ(
        Unmet(surface, {{kX + 25, kY + 2 * kRow + 2, kBlack}, {kX + 25, kY, kFace, 1, 2 * kRow}}),
        "");
    box.LostFocus();
    EXPECT_EQ(surface.CountOther(kX, kY + 3 * kRow, kW + 1, 2, kGrey), 0);  // nothing below
}

}  // namespace
}  // namespace tarnbrook
