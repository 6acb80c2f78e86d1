#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/OptionBox.h"
#include "ui/widgets/ProgressBar.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Slider.h"

namespace tarnbrook {
namespace {

using namespace testsupport;
using Events = std::vector<std::string>;

constexpr int kRed = 0xFF0000;
constexpr int kX = 20;  // every widget's place
constexpr int kY = 30;

Events events;

const auto Note = [](GUIElement*) { events.push_back("command"); };
const auto NoteNumber = [](int64_t number) { events.push_back(std::to_string(number)); };

class WidgetDisplayTest : public InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        events.clear();
    }
    void Drag(int x, int y)
    {
        input.MoveTo(FormWindow(), x, y);
        Pump();
    }
    void Press(int x, int y)
    {
        input.MoveTo(FormWindow(), x, y);
        input.PressButton(Button1);
        Pump();
    }
};

// A button of 80 x 30 at (kX, kY): raised; the focus rectangle dashed from x + 4; pressed, sunk;
// a caption centred, a picture 8 in before a caption, a picture alone centred; a click fires and
// keeps the focus, a release outside does neither, Return fires on release; disabled, grey and
// deaf.
TEST_F(WidgetDisplayTest, Button)
{
    ButtonCustom button(&surface.Get(), "");
    button.SetCommand(Note);
    ShowAt(button, kX, kY, 80, 30);
    // The bevel's top and left edges are the first colour, its right and bottom edges the second.
    const auto ExpectBevel = [&](int topLeft, int bottomRight) {
        ExpectSpots({Spot{kX + 40, kY, topLeft}, Spot{kX, kY + 15, topLeft},
                     Spot{kX + 79, kY + 15, bottomRight}, Spot{kX + 40, kY + 29, bottomRight}});
    };
    const auto Inside = [&](int color = kBlack) {
        return surface.FindColor(kX + 1, kY + 1, 78, 28, color);
    };
    EXPECT_EQ(XY(ButtonCustom(&surface.Get(), "").GetSize()), "80,30");
    ExpectBevel(kWhite, kBlack);
    ExpectSpots({Spot{kX + 79, kY, kBlack}, Spot{kX + 80, kY + 30, kGrey},
                 Spot{kX + 1, kY + 1, kFace, 78, 28}});
    button.GotFocus();
    ExpectSpots({Spot{kX + 4, kY + 3, kBlack}, Spot{kX + 4, kY + 26, kBlack},
                 Spot{kX + 75, kY + 3, kBlack}, Spot{kX + 10, kY + 3, kFace},
                 Spot{kX + 5, kY + 5, kFace, 1, 20}});
    EXPECT_GT(surface.FindColor(kX + 4, kY + 3, 72, 1, kBlack).count, 20);
    EXPECT_GT(surface.FindColor(kX + 4, kY + 5, 1, 20, kBlack).count, 5);
    button.MouseDown(Point{kX + 5, kY + 5});
    ExpectBevel(kBlack, kWhite);
    EXPECT_TRUE(Inside().Empty());
    button.MouseUp(Point{kX + 5, kY + 5});
    button.LostFocus();

    button.SetText("OK");
    const InkBox centred = Inside();
    EXPECT_GE(centred.left, kX + 6);
    EXPECT_LE(std::abs((centred.left - kX) - (kX + 79 - centred.right)), 3);

    ImagePtr picture = SolidPicture(surface.Get(), 10, 12, kRed);
    button.SetText(std::string(40, 'W'));
    button.SetImage(picture.get());
    const InkBox drawn = Inside(kRed);
    EXPECT_EQ(XY(Point{drawn.left, drawn.top}) + " " + std::to_string(drawn.count), "28,39 120");
    EXPECT_GE(Inside().left, kX + 20);
    EXPECT_LE(Inside().right, kX + 73);
    button.SetText("");
    EXPECT_EQ(Inside(kRed).left, kX + 35);
    button.SetContentHidden(true);
    EXPECT_TRUE(Inside(kRed).Empty());
    button.SetContentHidden(false);

    events.clear();
    ClickAt(kX + 10, kY + 10);
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(Application::focused, &button);
    Press(kX + 10, kY + 10);
    EXPECT_EQ(surface.Pixel(kX + 40, kY), kBlack);
    input.MoveTo(FormWindow(), kX + 110, kY + 10);
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_EQ(surface.Pixel(kX + 40, kY), kWhite);
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(events.size(), 1u);

    input.MoveTo(FormWindow(), 200, 150);
    input.TypeKey(XK_Tab);
    input.PressKey(XK_Return);
    Pump();
    EXPECT_TRUE(button.IsPressed());
    EXPECT_EQ(events.size(), 1u);
    input.ReleaseKey(XK_Return);
    Pump();
    EXPECT_EQ(events.size(), 2u);
    EXPECT_FALSE(button.IsPressed());

    button.SetText("NO");
    button.GotFocus();
    button.Enable(false);
    EXPECT_FALSE(Inside(kDisabled).Empty());
    EXPECT_TRUE(Inside().Empty());
    button.MouseDown(Point{kX + 5, kY + 5});
    button.MouseUp(Point{kX + 5, kY + 5});
    button.KeyDown(XK_Return);
    EXPECT_FALSE(button.IsPressed() || button.KeyChar('\r'));
    ClickAt(kX + 10, kY + 10);  // the pointer does not even reach it
    EXPECT_EQ(events.size(), 2u);
    ImagePtr disabledPicture = SolidPicture(surface.Get(), 10, 12, 0x00FF00);
    button.SetDisabledImage(disabledPicture.get());
    EXPECT_FALSE(Inside(0x00FF00).Empty());
}

// Tick box, caption and focus rectangle; clicks and space run the command, then OnMouseUp.
TEST_F(WidgetDisplayTest, CheckBox)
{
    CheckBox box(&surface.Get(), "Sound");
    box.SetCommand(Note);
    box.SetOnMouseUp([](GUIElement*, int64_t, Point) { events.push_back("OnMouseUp"); });
    ShowAt(box, kX, kY, 120, 30);
    // The edge, the interior and a pixel of the tick in each state.
    const auto tickBox = [&](int interior, int tick) {
        ExpectSpots({Spot{kX + 1, kY + 1, 0x848484}, Spot{kX + 3, kY + 3, interior},
                     Spot{kX + 10, kY + 12, tick}});
    };
    for (const auto& [enabled, checked, interior, tick] : {std::tuple{true, true, kWhite, kBlack},
                                                           {true, false, kWhite, kWhite},
                                                           {false, true, kDisabled, 0x424242},
                                                           {false, false, kDisabled, kDisabled}}) {
        box.Enable(enabled);
        box.SetChecked(checked);
        tickBox(interior, tick);
    }
    ExpectSpots({Spot{kX, kY, kFace}, Spot{kX + 114, kY, kFace, 6, 30}});
    EXPECT_TRUE(events.empty());  // the setters run no command
    box.Enable(true);
    EXPECT_GE(surface.FindColor(kX + 21, kY, 99, 30, kBlack).left, kX + 26);  // the caption
    box.SetForeColor(kRed);
    EXPECT_FALSE(surface.FindColor(kX + 26, kY, 94, 30, kRed).Empty());
    box.SetText("");
    EXPECT_TRUE(surface.FindColor(kX + 21, kY, 99, 30, kRed).Empty());
    box.SetForeColor(kBlack);
    box.SetText("Sound");
    box.GotFocus();
    ExpectSpots({Spot{kX + 23, kY + 2, kBlack}, Spot{kX + 23, kY + 29, kBlack},
                 Spot{kX + 112, kY + 2, kBlack}});
    box.LostFocus();
    ExpectSpots({Spot{kX + 23, kY + 2, kFace}, Spot{kX, kY + 30, kGrey, 121, 2}});
    box.GotFocus();
    box.Enable(false);
    EXPECT_TRUE(surface.FindColor(kX + 21, kY, 99, 30, kBlack).Empty());
    EXPECT_FALSE(surface.FindColor(kX + 26, kY, 94, 30, kDisabled).Empty());
    box.Enable(true);

    box.LostFocus();
    box.KeyChar(' ');  // no focus
    ClickAt(kX + 40, kY + 10);
    tickBox(kWhite, kBlack);
    input.Click(FormWindow(), kX + 5, kY + 5);
    input.TypeKey(XK_space);
    input.TypeKey(XK_Down);  // other keys do nothing
    Pump();
    EXPECT_TRUE(box.IsChecked());  // toggled twice more
    box.Enable(false);
    ClickAt(kX + 40, kY + 10);
    box.KeyChar(' ');
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(events,
              (Events{"command", "OnMouseUp", "command", "OnMouseUp", "command", "OnMouseUp"}));

    box.SetSize(120, 10);
    EXPECT_EQ(box.GetHeight(), 22);
    box.SetPosition(kX, 100);
    EXPECT_EQ(surface.Pixel(kX, 100), kFace);
    box.Hide();
    EXPECT_EQ(surface.CountOther(kX, 100, 120, 22, kGrey), 0);
}

// Three options in rows of 26, 150 wide: marks over the face, captions, the focus rectangle on
// the selected or else first row; keys wrap around, clicks below take the last, each running the
// command, which notes the selected index.
TEST_F(WidgetDisplayTest, OptionBox)
{
    OptionBox box(&surface.Get());
    box.SetCommand(
        [](GUIElement* self) { NoteNumber(static_cast<OptionBox*>(self)->GetSelectedIndex()); });
    box.SetOnKeyDown([](GUIElement*, KeySym) { events.push_back("OnKeyDown"); });
    ShowAt(box, kX, kY, 150, 30);
    for (const char* caption : {"Easy", "Normal", "Hard"}) {
        box.AddItem(caption, caption);
    }
    // The option's mark: its see-through corner, interior and middle.
    const auto ExpectMark = [&](int option, int interior, int middle, int face = kFace) {
        const int y = kY + 26 * option + 6;
        ExpectSpots({Spot{kX + 1, y, face}, Spot{kX + 9, y + 4, interior},
                     Spot{kX + 10, y + 9, middle}, Spot{kX + 4, y + 6, 0x848484}});
    };
    EXPECT_EQ(box.GetHeight(), 78);
    box.GotFocus();
    ExpectSpots({Spot{kX + 25, kY + 2, kBlack}, Spot{kX + 25, kY + 25, kBlack},
                 Spot{kX + 144, kY + 2, kBlack}, Spot{kX + 25, kY + 27, kFace, 1, 51}});
    box.SetSelectedIndex(2);
    ExpectSpots({Spot{kX + 25, kY + 54, kBlack}, Spot{kX + 25, kY, kFace, 1, 52}});
    box.LostFocus();
    EXPECT_EQ(surface.CountOther(kX, kY + 78, 151, 2, kGrey), 0);  // nothing below

    box.SetSelectedIndex(1);
    for (int option = 0; option < 3; ++option) {
        ExpectMark(option, kWhite, option == 1 ? 0x010101 : kWhite);
        EXPECT_FALSE(surface.FindColor(kX + 28, kY + 26 * option, 120, 26, 0).Empty());
    }
    box.Enable(false);
    ExpectMark(1, kDisabled, 0x424242);
    ExpectMark(2, kDisabled, kDisabled);
    EXPECT_TRUE(surface.FindColor(kX, kY, 150, 78, 0).Empty());
    box.SetBackColor(0x336699);  // the marks' surround follows the face
    ExpectMark(0, kDisabled, kDisabled, 0x336699);
    EXPECT_TRUE(events.empty());  // the setters run no command

    box.Enable(true);
    box.SetSize(150, 130);
    input.Click(FormWindow(), kX + 60, kY + 117);
    input.Click(FormWindow(), kX + 60, kY + 117);
    for (KeySym key : {XK_Down, XK_Up, XK_Up, XK_space /* Down */, XK_Left /* nothing */}) {
        input.TypeKey(key);
    }
    Pump();
    EXPECT_EQ(events, (Events{"2", "2", "0", "2", "1", "2"}));
    ExpectMark(2, kWhite, 0x010101, 0x336699);
    box.Enable(false);
    ClickAt(kX + 60, kY + 13);
    EXPECT_EQ(box.GetSelectedIndex(), 2);
}

// Bevelled or flat; values limited; an unchanged value paints nothing; hidden stays hidden.
TEST_F(WidgetDisplayTest, ProgressBarWithAndWithoutBevel)
{
    constexpr int kBlue = 0x0000FF;
    surface.Get().SetBackColor(0x304050);
    Paint(surface, 0, 0, 240, 180, 0x304050);
    ProgressBar bar(&surface.Get(), 0, 100);
    bar.SetPosition(kX, kY);
    const auto blue = [&] { return surface.FindColor(kX, kY, 190, 25, kBlue); };
    bar.Show();
    bar.SetValue(50);
    EXPECT_EQ(XY(Point{blue().left, blue().top}) + " " + std::to_string(blue().count),
              "21,31 2162");
    ExpectSpots({Spot{kX + 95, kY + 10, kGrey}, Spot{kX, kY + 10, kBlack},
                 Spot{kX + 189, kY + 10, kWhite}});
    bar.SetValue(150);
    EXPECT_EQ(blue().count, 188 * 23);
    Paint(surface, kX, kY, 50, 25);
    bar.SetValue(100);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kMarker);  // unchanged: not repainted
    bar.SetValue(-3);
    EXPECT_TRUE(blue().Empty() && bar.GetValue() == 0);

    bar.SetBevel(false);
    bar.SetBackColor(0x123456);
    bar.Hide();
    surface.Get().Paint();
    bar.SetValue(20);
    EXPECT_EQ(surface.CountOther(kX, kY, 191, 26, 0x304050), 0);
    bar.Show();
    EXPECT_EQ(blue().count, 37 * 23);
    ExpectSpots({Spot{kX + 60, kY, 0x123456, 130, 25}, Spot{kX + 190, kY + 25, 0x304050}});
}

// Over 0 .. 200, 122 x 21: a track from x 41 to 120 in page cells of 26, 26 and 28. Edges,
// arrows, the block inset on the current page's cell; arrow zones move a page; a press or drag on
// the track takes the page under the pointer; keys move a page, not past either end nor while
// disabled; the value is stored as given.
TEST_F(WidgetDisplayTest, ScrollBar)
{
    constexpr int kMiddle = kY + 10;
    ScrollBar bar(&surface.Get(), 0, 200);
    const auto Block = [&] {  // where the page block is on the track: "left,right"
        const InkBox block = surface.FindColor(41, kY + 1, 80, 19, kBlack);
        return XY(Point{block.left, block.right});
    };
    bar.SetScrollHandler([](ScrollBar*, int64_t tenTimes) { NoteNumber(tenTimes); });
    bar.SetValue(85);
    ShowAt(bar, kX, kY, 122, 13);
    EXPECT_EQ(bar.GetHeight(), 21);
    ExpectSpots({Spot{80, kY, kLight}, Spot{kX, kMiddle, kLight}, Spot{kX + 122, kMiddle, kBlack},
                 Spot{80, kY + 21, kBlack}, Spot{kX + 10, kMiddle, kBlack},
                 Spot{kX + 112, kMiddle, kBlack}, Spot{67, kY + 2, kBlack},
                 Spot{67, kY + 1, kFace}});
    EXPECT_EQ(Block(), "67,91");
    bar.SetValue(199);
    EXPECT_EQ(Block(), "93,119");
    EXPECT_EQ(surface.Pixel(80, kMiddle), kFace);

    bar.SetValue(160);
    ClickAt(kX + 5, kMiddle);
    EXPECT_EQ(Block(), "67,91");
    input.Click(FormWindow(), kX + 118, kMiddle);  // the right zone: a page on
    input.Click(FormWindow(), kX + 118, kMiddle);  // none left: nothing changes
    Press(70, kMiddle);
    EXPECT_EQ(std::to_string(bar.GetValue()) + " " + Block(), "80 67,91");
    Drag(120, 150);  // the last pixel of the last cell, below the bar
    EXPECT_EQ(bar.GetValue(), 160);
    Drag(135, 150);  // beyond the track: no page there
    EXPECT_EQ(bar.GetValue(), 160);
    input.MoveTo(FormWindow(), 30, 150);  // before it: the first page
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_EQ(bar.GetValue(), 0);
    EXPECT_FALSE(bar.IsDragging());

    bar.SetValue(9999);
    EXPECT_EQ(bar.GetValue(), 9999);
    bar.GotFocus();
    bar.KeyDown(XK_Up);
    EXPECT_EQ(bar.GetValue(), 80);
    EXPECT_TRUE(bar.KeyChar(' '));  // space is Down
    EXPECT_EQ(bar.GetValue(), 160);
    bar.Enable(false);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(bar.GetValue(), 160);
    EXPECT_EQ(surface.Pixel(kX + 10, kMiddle), kDisabled);
    bar.Enable(true);
    bar.SetRange(10, 60);
    bar.SetValue(10);
    EXPECT_EQ(Block(), "0,-1");
    bar.KeyDown(XK_Right);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(bar.GetValue(), 10);
    EXPECT_EQ(events, (Events{"800", "1600", "800", "1600", "0", "800", "1600"}));
}

// Over 0 .. 4, asked to be 10 x 10: 72 x 36, the track on row kY + 18. Keys step by one and wrap
// at the ends, only while focused and enabled. A click takes the tick at or after the pointer, a
// drag follows it until the release; ticks 8 apart (last gap 9) from x 40, the thumb above the
// value's tick, end labels.
TEST_F(WidgetDisplayTest, Slider)
{
    constexpr int kTrack = kY + 18;
    Slider slider(&surface.Get(), false, 0, 4);
    slider.SetChangeHandler(
        [](Slider*, int value) { events.push_back("handler " + std::to_string(value)); });
    slider.SetOnChange([](GUIElement*) { events.push_back("OnChange"); });
    ShowAt(slider, kX, kY, 10, 10);
    slider.KeyDown(XK_Right);
    EXPECT_EQ(slider.GetValue(), 0);
    slider.GotFocus();
    const InkBox dashes = surface.FindColor(kX, kY + 1, 72, 1, kBlack);
    EXPECT_EQ(dashes.left, kX);
    EXPECT_TRUE(dashes.count > 20 && dashes.count < 60) << dashes.count;
    EXPECT_EQ(surface.FindColor(kX, kY + 34, 72, 1, kBlack).count, dashes.count);  // the bottom
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
    slider.Enable(true);
    input.Click(FormWindow(), 51, kY + 30);
    Press(40, kTrack);
    EXPECT_TRUE(slider.IsDragging());
    EXPECT_EQ(Application::focused, &slider);
    Drag(63, 150);  // far below the slider, over tick 3
    EXPECT_EQ(slider.GetValue(), 3);
    EXPECT_EQ(surface.Pixel(64, kY + 10), kBlack);  // the thumb moved there
    input.MoveTo(FormWindow(), 48, 160);
    input.ReleaseButton(Button1);
    Drag(73, 160);
    EXPECT_FALSE(slider.IsDragging());
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(slider.GetValue(), 1);
    EXPECT_EQ(events,
              (Events{"handler 0", "OnChange", "handler 4", "OnChange", "handler 3", "OnChange",
                      "handler 4", "OnChange", "handler 2", "OnChange", "handler 0", "OnChange",
                      "handler 3", "OnChange", "handler 1", "OnChange"}));

    slider.SetValue(0);
    ExpectSpots({Spot{40, kTrack - 3, kBlack}, Spot{73, kTrack + 3, kBlack},
                 Spot{41, kTrack - 3, kLight}, Spot{52, kTrack, kBlack},
                 Spot{52, kTrack + 1, kLight}, Spot{40, kTrack - 8, kBlack}});
    slider.SetValue(2);
    ExpectSpots({Spot{40, kTrack - 8, kFace}, Spot{56, kTrack - 8, kBlack}});
    EXPECT_FALSE(surface.FindColor(kX, kY, 19, 36, kBlack).Empty());
    EXPECT_FALSE(surface.FindColor(75, kY, 18, 36, kBlack).Empty());
    slider.SetShowLabels(false);
    EXPECT_TRUE(surface.FindColor(kX, kY, 19, 36, kBlack).Empty());
    EXPECT_TRUE(surface.FindColor(75, kY, 18, 36, kBlack).Empty());

    // Standing: ticks go down from y 46, the thumb on the right of the track points left.
    Slider tall(&surface.Get(), true, 10, 12);
    tall.SetShowLabels(false);
    ShowAt(tall, 150, 20, 10, 10);
    ExpectSpots({Spot{167, 46, kBlack}, Spot{167, 47, kLight}, Spot{171, 50, kLight},
                 Spot{180, 38, kBlack}});
}

}  // namespace
}  // namespace tarnbrook
