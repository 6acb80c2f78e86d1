#include <gtest/gtest.h>

#include "ui/widgets/ButtonCustom.h"

#include <X11/keysym.h>

#include <memory>
#include <vector>

#include "gfx/XImageFactory.h"
#include "support/RecordingChild.h"
#include "support/SurfaceTest.h"

namespace tarnbrook {
namespace {

constexpr int kGrey = 0xAAAAAA;
constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0x000000;
constexpr int kFace = 0xC8D2DC;
constexpr int kRed = 0xFF0000;
// The button's place in the tests: (kX, kY), 80 x 30.
constexpr int kX = 20;
constexpr int kY = 30;
constexpr int kW = 80;
constexpr int kH = 30;

std::vector<GUIElement*> commandSenders;

void RecordSender(GUIElement* sender)
{
    commandSenders.push_back(sender);
}

void DeleteSender(GUIElement* sender)
{
    commandSenders.push_back(sender);
    delete sender;
}

class ButtonCustomDisplayTest : public testsupport::InputSurfaceTest {
protected:
    ButtonCustom& AddButton(const std::string& caption, GUIElement* container = nullptr)
    {
        auto* made = new ButtonCustom(container ? container : &surface.Get(), caption);
        made->SetSize(kW, kH);
        made->SetPosition(kX, kY);
        made->SetBackColor(kFace);
        made->SetCommand(RecordSender);
        made->Show();
        button.reset(made);
        return *made;
    }
    // The top and left edges' colour, and the right and bottom edges'.
    void ExpectBevel(int topLeft, int bottomRight)
    {
        EXPECT_EQ(surface.Pixel(kX + 40, kY), topLeft);
        EXPECT_EQ(surface.Pixel(kX, kY + 15), topLeft);
        EXPECT_EQ(surface.Pixel(kX + kW - 1, kY + 15), bottomRight);
        EXPECT_EQ(surface.Pixel(kX + 40, kY + kH - 1), bottomRight);
    }
    // Where the caption's black ink is inside the bevel.
    testsupport::InkBox Caption() { return surface.FindColor(kX + 1, kY + 1, kW - 2, kH - 2, kBlack); }

    std::unique_ptr<ButtonCustom> button;
};

TEST_F(ButtonCustomDisplayTest, TheBevelIsRaisedAndSunkWhilePressedWithoutTheFocusRectangle)
{
    ButtonCustom& made = AddButton("");
    ExpectBevel(kWhite, kBlack);
    EXPECT_EQ(surface.Pixel(kX + kW - 1, kY), kBlack);  // the dark edges are drawn last
    EXPECT_EQ(surface.Pixel(kX + kW, kY + kH), kGrey);  // nothing beyond w x h
    EXPECT_EQ(surface.CountOther(kX + 1, kY + 1, kW - 2, kH - 2, kFace), 0);

    made.GotFocus();
    EXPECT_EQ(surface.Pixel(kX + 4, kY + 3), kBlack);  // the dashes start on
    EXPECT_EQ(surface.Pixel(kX + 4, kY + kH - 4), kBlack);
    EXPECT_EQ(surface.Pixel(kX + kW - 5, kY + 3), kBlack);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 3), kFace);  // ... and go off
    EXPECT_GT(surface.FindColor(kX + 4, kY + 3, kW - 8, 1, kBlack).count, 20);

    made.MouseDown(Point{kX + 5, kY + 5});
    EXPECT_TRUE(made.IsPressed());
    ExpectBevel(kBlack, kWhite);
    EXPECT_EQ(surface.CountOther(kX + 1, kY + 1, kW - 2, kH - 2, kFace), 0);
}

TEST_F(ButtonCustomDisplayTest, FaceColourComesFromTheButtonItsContainerItsFormOrGrey)
{
    std::vector<std::string> journal;
    testsupport::RecordingChild box(&surface.Get(), "box", &journal);
    box.SetPosition(100, 100);
    box.Create();
    ButtonCustom& made = AddButton("", &box);
    made.SetPosition(5, 6);
    EXPECT_EQ(surface.Pixel(105 + 1, 106 + 1), kFace);  // drawn at the container's place
    made.SetBackColor(GUIElement::NoBackColor);
    EXPECT_EQ(surface.Pixel(106, 107), kGrey);
    surface.Get().SetBackColor(0x102030);
    made.Paint();
    EXPECT_EQ(surface.Pixel(106, 107), 0x102030);
    box.SetBackColor(0x405060);
    made.Paint();
    EXPECT_EQ(surface.Pixel(106, 107), 0x405060);
}

TEST_F(ButtonCustomDisplayTest, CaptionAndPictureLayouts)
{
    AddButton("OK");
    const testsupport::InkBox centred = Caption();
    ASSERT_FALSE(centred.Empty());
    EXPECT_GE(centred.left, kX + 6);  // inside an edge of six pixels
    EXPECT_LE(std::abs((centred.left - kX) - (kX + kW - 1 - centred.right)), 3);

    std::vector<unsigned char> rgb(10 * 12 * 3, 0);
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = 0xFF;
    }
    ImagePtr picture = CreateXImage(&surface.Get(), rgb.data(), 10, 12);
    ASSERT_TRUE(picture);
    ButtonCustom& made = AddButton(std::string(40, 'W'));
    made.SetImage(picture.get());
    const testsupport::InkBox drawn = surface.FindColor(kX, kY, kW, kH, kRed);
    EXPECT_EQ(drawn.left, kX + 8);
    EXPECT_EQ(drawn.top, kY + (kH - 12) / 2);
    EXPECT_EQ(drawn.count, 120);
    EXPECT_GE(Caption().left, kX + 10 + 10);
    EXPECT_LE(Caption().right, kX + kW - 7);  // the caption stops six pixels short

    made.SetText("");  // a picture alone is centred
    EXPECT_EQ(surface.FindColor(kX, kY, kW, kH, kRed).left, kX + (kW - 10) / 2);
    made.SetContentHidden(true);
    EXPECT_TRUE(surface.FindColor(kX, kY, kW, kH, kRed).Empty());
}

TEST_F(ButtonCustomDisplayTest, DisabledButtonIsGreyUnmarkedAndDeaf)
{
    ButtonCustom& made = AddButton("NO");
    made.GotFocus();
    made.Enable(false);
    EXPECT_FALSE(surface.FindColor(kX + 1, kY + 1, kW - 2, kH - 2, 0x9B9B9B).Empty());
    EXPECT_TRUE(Caption().Empty());

    made.MouseDown(Point{kX + 5, kY + 5});
    EXPECT_FALSE(made.IsPressed());
    made.MouseUp(Point{kX + 5, kY + 5});
    made.KeyDown(XK_Return);
    EXPECT_FALSE(made.IsPressed());
    EXPECT_FALSE(made.KeyChar('\r'));
    input.Click(FormWindow(), kX + 10, kY + 10);  // the pointer does not even reach it
    Pump();
    EXPECT_TRUE(commandSenders.empty());
}

TEST_F(ButtonCustomDisplayTest, MovingAShownButtonErasesTheOldRectangleAndKeepsTheId)
{
    surface.Get().SetBackColor(0x336699);
    ButtonCustom& made = AddButton("Go");
    const uint32_t id = made.GetId();
    made.SetPosition(120, 100);
    EXPECT_EQ(surface.CountOther(kX, kY, kW, kH, 0x336699), 0);
    EXPECT_EQ(surface.Pixel(121, 101), kFace);

    made.SetSize(40, 20);
    EXPECT_EQ(surface.Pixel(121 + 50, 101 + 15), 0x336699);
    EXPECT_EQ(surface.Pixel(120 + 39, 100 + 10), kBlack);

    made.Hide();
    EXPECT_FALSE(made.IsCreated());
    EXPECT_EQ(surface.CountOther(120, 100, 40, 20, 0x336699), 0);
    made.Show();
    EXPECT_EQ(made.GetId(), id);
    EXPECT_EQ(surface.Pixel(121, 101), kFace);
}

TEST_F(ButtonCustomDisplayTest, AClickRunsTheCommandOnceAndAReleaseOutsideNone)
{
    ButtonCustom& made = AddButton("OK");
    input.Click(FormWindow(), kX + 10, kY + 10);
    Pump();
    EXPECT_EQ(commandSenders, std::vector<GUIElement*>{&made});
    EXPECT_FALSE(made.IsPressed());
    EXPECT_EQ(Application::focused, &made);

    input.MoveTo(FormWindow(), kX + 10, kY + 10);
    input.PressButton(Button1);
    Pump();
    EXPECT_TRUE(made.IsPressed());
    EXPECT_EQ(surface.Pixel(kX + 40, kY), kBlack);
    input.MoveTo(FormWindow(), kX + kW + 30, kY + 10);
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_EQ(commandSenders.size(), 1u);
    EXPECT_FALSE(made.IsPressed());
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
    EXPECT_TRUE(commandSenders.empty());
    input.ReleaseKey(XK_Return);
    Pump();
    EXPECT_EQ(commandSenders.size(), 1u);
    EXPECT_FALSE(made.IsPressed());
}

TEST_F(ButtonCustomDisplayTest, CommandMayDeleteItsOwnButton)
{
    AddButton("X").SetCommand(DeleteSender);
    button.release();  // the command deletes it
    input.Click(FormWindow(), kX + 10, kY + 10);
    Pump();
    EXPECT_EQ(commandSenders.size(), 1u);
    EXPECT_EQ(Application::focused, nullptr);

    ButtonCustom& second = AddButton("Y");
    second.SetCommand(DeleteSender);
    button.release();
    second.GotFocus();
    Application::focused = &second;
    EXPECT_FALSE(second.KeyChar('\r'));
    EXPECT_EQ(commandSenders.size(), 2u);
}

}  // namespace
}  // namespace tarnbrook
