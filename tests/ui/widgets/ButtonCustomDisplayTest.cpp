#include <gtest/gtest.h>

#include "ui/widgets/ButtonCustom.h"

#include <X11/keysym.h>

#include <memory>
#include <vector>

#include "gfx/XImageFactory.h"
#include "support/RecordingChild.h"
#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

using namespace testsupport;
using Senders = std::vector<GUIElement*>;

constexpr int kRed = 0xFF0000;
// The button's place: (kX, kY), 80 x 30.
constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kW = 80;
constexpr int kH = 30;

Senders senders;

class ButtonCustomDisplayTest : public InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        senders.clear();
    }
    ButtonCustom& AddButton(const std::string& caption, GUIElement* container = nullptr)
    {
        button = std::make_unique<ButtonCustom>(container ? container : &surface.Get(), caption);
        button->SetCommand([](GUIElement* sender) { senders.push_back(sender); });
        ShowAt(*button, kX, kY, kW, kH);
        return *button;
    }
    // The bevel's top and left edges are the first colour, its right and bottom edges the second.
    std::string BevelUnmet(int topLeft, int bottomRight)
    {
        return Unmet(surface, {{kX + 40, kY, topLeft},
                               {kX, kY + 15, topLeft},
                               {kX + kW - 1, kY + 15, bottomRight},
                               {kX + 40, kY + kH - 1, bottomRight}});
    }
    // Where the colour is inside the bevel.
    InkBox Inside(int color = kBlack)
    {
        return surface.FindColor(kX + 1, kY + 1, kW - 2, kH - 2, color);
    }
    void Click()
    {
        input.Click(FormWindow(), kX + 10, kY + 10);
        Pump();
    }

    std::unique_ptr<ButtonCustom> button;
};

// 80 x 30 unless sized; raised, the dark edges drawn last and nothing beyond w x h; the focus
// rectangle's dashes start on; pressed, sunk and without the focus rectangle.
TEST_F(ButtonCustomDisplayTest, TheBevelIsRaisedAndSunkWhilePressedWithoutTheFocusRectangle)
{
    EXPECT_EQ(XY(ButtonCustom(&surface.Get(), "").GetSize()), "80,30");
    ButtonCustom& made = AddButton("");
    EXPECT_EQ(BevelUnmet(kWhite, kBlack), "");
    EXPECT_EQ(Unmet(surface, {{kX + kW - 1, kY, kBlack},
                              {kX + kW, kY + kH, kGrey},
                              {kX + 1, kY + 1, kFace, kW - 2, kH - 2}}),
              "");
    made.GotFocus();
    EXPECT_EQ(Unmet(surface, {{kX + 4, kY + 3, kBlack},
                              {kX + 4, kY + kH - 4, kBlack},
                              {kX + kW - 5, kY + 3, kBlack},
                              {kX + 10, kY + 3, kFace}}),
              "");
    EXPECT_GT(surface.FindColor(kX + 4, kY + 3, kW - 8, 1, kBlack).count, 20);
    made.MouseDown(Point{kX + 5, kY + 5});
    EXPECT_EQ(BevelUnmet(kBlack, kWhite), "");
    EXPECT_TRUE(Inside().Empty());
}

// Drawn at its container's place, in the face colour of the button, its container, its form
// or grey.
TEST_F(ButtonCustomDisplayTest, FaceColourComesFromTheButtonItsContainerItsFormOrGrey)
{
    std::vector<std::string> journal;
    RecordingChild box(&surface.Get(), "box", &journal);
    box.SetPosition(100, 100);
    box.Create();
    ButtonCustom& made = AddButton("", &box);
    made.SetPosition(5, 6);
    EXPECT_EQ(surface.Pixel(106, 107), kFace);
    made.SetBackColor(GUIElement::NoBackColor);
    EXPECT_EQ(surface.Pixel(106, 107), kGrey);
    surface.Get().SetBackColor(0x102030);
    made.Paint();
    EXPECT_EQ(surface.Pixel(106, 107), 0x102030);
    box.SetBackColor(0x405060);
    made.Paint();
    EXPECT_EQ(surface.Pixel(106, 107), 0x405060);
}

// A caption alone is centred inside an edge of six pixels; a picture with a caption sits 8 in,
// vertically centred, and the caption after it stops six pixels short of the right edge; a
// picture alone is centred.
TEST_F(ButtonCustomDisplayTest, CaptionAndPictureLayouts)
{
    AddButton("OK");
    const InkBox centred = Inside();
    EXPECT_GE(centred.left, kX + 6);
    EXPECT_LE(std::abs((centred.left - kX) - (kX + kW - 1 - centred.right)), 3);

    std::vector<unsigned char> rgb(10 * 12 * 3, 0);
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = 0xFF;
    }
    ImagePtr picture = CreateXImage(&surface.Get(), rgb.data(), 10, 12);
    ButtonCustom& made = AddButton(std::string(40, 'W'));
    made.SetImage(picture.get());
    const InkBox drawn = Inside(kRed);
    EXPECT_EQ(XY(Point{drawn.left, drawn.top}), XY(Point{kX + 8, kY + (kH - 12) / 2}));
    EXPECT_EQ(drawn.count, 120);
    EXPECT_GE(Inside().left, kX + 10 + 10);
    EXPECT_LE(Inside().right, kX + kW - 7);

    made.SetText("");
    EXPECT_EQ(Inside(kRed).left, kX + (kW - 10) / 2);
    made.SetContentHidden(true);
    EXPECT_TRUE(Inside(kRed).Empty());
}

// A grey caption, no focus mark, no press, no command, KeyChar false.
TEST_F(ButtonCustomDisplayTest, DisabledButtonIsGreyUnmarkedAndDeaf)
{
    ButtonCustom& made = AddButton("NO");
    made.GotFocus();
    made.Enable(false);
    EXPECT_FALSE(Inside(kDisabled).Empty());
    EXPECT_TRUE(Inside().Empty());
    made.MouseDown(Point{kX + 5, kY + 5});
    made.MouseUp(Point{kX + 5, kY + 5});
    made.KeyDown(XK_Return);
    EXPECT_FALSE(made.IsPressed());
    EXPECT_FALSE(made.KeyChar('\r'));
    Click();  // the pointer does not even reach it
    EXPECT_TRUE(senders.empty());
}

// Moved or resized, it is erased where it was; hidden, erased; shown again with its id.
TEST_F(ButtonCustomDisplayTest, MovingAShownButtonErasesTheOldRectangleAndKeepsTheId)
{
    surface.Get().SetBackColor(0x336699);
    ButtonCustom& made = AddButton("Go");
    const uint32_t id = made.GetId();
    made.SetPosition(120, 100);
    EXPECT_EQ(Unmet(surface, {{kX, kY, 0x336699, kW, kH}, {121, 101, kFace}}), "");
    made.SetSize(40, 20);
    EXPECT_EQ(Unmet(surface, {{171, 116, 0x336699}, {159, 110, kBlack}}), "");
    made.Hide();
    EXPECT_EQ(Unmet(surface, {{120, 100, 0x336699, 40, 20}}), "");
    made.Show();
    EXPECT_EQ(made.GetId(), id);
}

// A click runs the command once and leaves the focus; a press inside released outside runs
// none, raises the button again and takes the focus away.
TEST_F(ButtonCustomDisplayTest, AClickRunsTheCommandOnceAndAReleaseOutsideNone)
{
    ButtonCustom& made = AddButton("OK");
    Click();
    EXPECT_EQ(senders, Senders{&made});
    EXPECT_FALSE(made.IsPressed());
    EXPECT_EQ(Application::focused, &made);

    input.PressButton(Button1);
    Pump();
    EXPECT_EQ(surface.Pixel(kX + 40, kY), kBlack);
    input.MoveTo(FormWindow(), kX + kW + 30, kY + 10);
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_EQ(senders.size(), 1u);
    EXPECT_EQ(surface.Pixel(kX + 40, kY), kWhite);
    EXPECT_EQ(Application::focused, nullptr);
}

TEST_F(ButtonCustomDisplayTest, ReturnOnTheFocusedButtonPressesAndFiresOnceOnRelease)
{
    ButtonCustom& made = AddButton("OK");
    input.MoveTo(FormWindow(), 200, 150);
    input.TypeKey(XK_Tab);
    Pump();
    ASSERT_EQ(Application::focused, &made);
    input.PressKey(XK_Return);
    Pump();
    EXPECT_TRUE(made.IsPressed());
    EXPECT_TRUE(senders.empty());
    input.ReleaseKey(XK_Return);
    Pump();
    EXPECT_EQ(senders.size(), 1u);
    EXPECT_FALSE(made.IsPressed());
}

}  // namespace
}  // namespace tarnbrook
