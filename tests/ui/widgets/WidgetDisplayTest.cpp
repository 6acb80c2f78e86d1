#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/XImageFactory.h"
#include "support/RecordingChild.h"
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
// Every widget is placed at (kX, kY).
constexpr int kX = 20;
constexpr int kY = 30;

Events events;

void Note(const std::string& event)
{
    events.push_back(event);
}

class WidgetDisplayTest : public InputSurfaceTest {
protected:
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        events.clear();
    }
    // A picture of w x h pixels all red.
    ImagePtr RedPicture(int w, int h)
    {
        std::vector<unsigned char> rgb(static_cast<size_t>(w * h * 3), 0);
        for (size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = 0xFF;
        }
        return CreateXImage(&surface.Get(), rgb.data(), w, h);
    }
};

// A button, 80 x 30, whose command notes "command".
class ButtonDisplayTest : public WidgetDisplayTest {
protected:
    static constexpr int kW = 80;
    static constexpr int kH = 30;

    ButtonCustom& Add(const std::string& caption, GUIElement* container = nullptr)
    {
        button = std::make_unique<ButtonCustom>(container ? container : &surface.Get(), caption);
        button->SetCommand([](GUIElement*) { Note("command"); });
        ShowAt(*button, kX, kY, kW, kH);
        return *button;
    }
    // The bevel's top and left edges are the first colour, its right and bottom edges the second.
    std::string BevelUnmet(int topLeft, int bottomRight)
    {
        return surface.Unmet({Spot{kX + 40, kY, topLeft}, Spot{kX, kY + 15, topLeft},
                              Spot{kX + kW - 1, kY + 15, bottomRight},
                              Spot{kX + 40, kY + kH - 1, bottomRight}});
    }
    InkBox Inside(int color = kBlack)
    {
        return surface.FindColor(kX + 1, kY + 1, kW - 2, kH - 2, color);
    }

    std::unique_ptr<ButtonCustom> button;
};

// 80 x 30 unless sized; raised, the dark edges drawn last and nothing beyond w x h; the focus
// rectangle's dashes start on, its left side at x + 4; pressed, sunk without the rectangle;
// disabled, a grey caption or the disabled picture, no focus mark, no press, no command.
TEST_F(ButtonDisplayTest, BevelFocusPressedAndDisabled)
{
    EXPECT_EQ(XY(ButtonCustom(&surface.Get(), "").GetSize()), "80,30");
    ButtonCustom& made = Add("");
    EXPECT_EQ(BevelUnmet(kWhite, kBlack), "");
    EXPECT_EQ(surface.Unmet({Spot{kX + kW - 1, kY, kBlack}, Spot{kX + kW, kY + kH, kGrey},
                             Spot{kX + 1, kY + 1, kFace, kW - 2, kH - 2}}),
              "");
    made.GotFocus();
    EXPECT_EQ(surface.Unmet({Spot{kX + 4, kY + 3, kBlack}, Spot{kX + 4, kY + kH - 4, kBlack},
                             Spot{kX + kW - 5, kY + 3, kBlack}, Spot{kX + 10, kY + 3, kFace},
                             Spot{kX + 5, kY + 5, kFace, 1, kH - 10}}),
              "");
    EXPECT_GT(surface.FindColor(kX + 4, kY + 3, kW - 8, 1, kBlack).count, 20);
    EXPECT_GT(surface.FindColor(kX + 4, kY + 5, 1, kH - 10, kBlack).count, 5);
    made.MouseDown(Point{kX + 5, kY + 5});
    EXPECT_EQ(BevelUnmet(kBlack, kWhite), "");
    EXPECT_TRUE(Inside().Empty());
    made.MouseUp(Point{kX + 5, kY + 5});

    made.SetText("NO");
    made.Enable(false);
    EXPECT_FALSE(Inside(kDisabled).Empty());
    EXPECT_TRUE(Inside().Empty());
    made.MouseDown(Point{kX + 5, kY + 5});
    made.MouseUp(Point{kX + 5, kY + 5});
    made.KeyDown(XK_Return);
    EXPECT_FALSE(made.IsPressed());
    EXPECT_FALSE(made.KeyChar('\r'));
    ClickAt(kX + 10, kY + 10);  // the pointer does not even reach it
    EXPECT_EQ(events, Events{"command"});
    ImagePtr picture = RedPicture(10, 12);
    made.SetDisabledImage(picture.get());
    EXPECT_FALSE(Inside(kRed).Empty());
}

// Drawn at its container's place, in the face colour of the button, its container, its form
// or grey.
TEST_F(ButtonDisplayTest, FaceColourComesFromTheButtonItsContainerItsFormOrGrey)
{
    std::vector<std::string> journal;
    RecordingChild box(&surface.Get(), "box", &journal);
    box.SetPosition(100, 100);
    box.Create();
    ButtonCustom& made = Add("", &box);
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
TEST_F(ButtonDisplayTest, CaptionAndPictureLayouts)
{
    Add("OK");
    const InkBox centred = Inside();
    EXPECT_GE(centred.left, kX + 6);
    EXPECT_LE(std::abs((centred.left - kX) - (kX + kW - 1 - centred.right)), 3);

    ImagePtr picture = RedPicture(10, 12);
    ButtonCustom& made = Add(std::string(40, 'W'));
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

// Moved or resized, it is erased where it was; hidden, erased; shown again with its id.
TEST_F(ButtonDisplayTest, MovingAShownButtonErasesTheOldRectangleAndKeepsTheId)
{
    surface.Get().SetBackColor(0x336699);
    ButtonCustom& made = Add("Go");
    const uint32_t id = made.GetId();
    made.SetPosition(120, 100);
    EXPECT_EQ(surface.Unmet({Spot{kX, kY, 0x336699, kW, kH}, Spot{121, 101, kFace}}), "");
    made.SetSize(40, 20);
    EXPECT_EQ(surface.Unmet({Spot{171, 116, 0x336699}, Spot{159, 110, kBlack}}), "");
    made.Hide();
    EXPECT_EQ(surface.Unmet({Spot{120, 100, 0x336699, 40, 20}}), "");
    made.Show();
    EXPECT_EQ(made.GetId(), id);
}

// A click runs the command once and leaves the focus; a press inside released outside runs
// none, raises the button again and takes the focus away; Return on the focused button
// presses it and fires once on release.
TEST_F(ButtonDisplayTest, ClicksAndReturn)
{
    ButtonCustom& made = Add("OK");
    ClickAt(kX + 10, kY + 10);
    EXPECT_EQ(events, Events{"command"});
    EXPECT_FALSE(made.IsPressed());
    EXPECT_EQ(Application::focused, &made);

    input.PressButton(Button1);
    Pump();
    EXPECT_EQ(surface.Pixel(kX + 40, kY), kBlack);
    input.MoveTo(FormWindow(), kX + kW + 30, kY + 10);
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(surface.Pixel(kX + 40, kY), kWhite);
    EXPECT_EQ(Application::focused, nullptr);

    input.MoveTo(FormWindow(), 200, 150);
    input.TypeKey(XK_Tab);
    Pump();
    ASSERT_EQ(Application::focused, &made);
    input.PressKey(XK_Return);
    Pump();
    EXPECT_TRUE(made.IsPressed());
    EXPECT_EQ(events.size(), 1u);
    input.ReleaseKey(XK_Return);
    Pump();
    EXPECT_EQ(events.size(), 2u);
    EXPECT_FALSE(made.IsPressed());
}

// A check box, 120 x 30, noting its command and OnMouseUp.
class CheckBoxDisplayTest : public WidgetDisplayTest {
protected:
    static constexpr int kW = 120;

    void SetUp() override
    {
        WidgetDisplayTest::SetUp();
        box.SetCommand([](GUIElement*) { Note("command"); });
        box.SetOnMouseUp([](GUIElement*, int64_t, Point) { Note("OnMouseUp"); });
        ShowAt(box, kX, kY, kW, 30);
    }
    int TickBoxDifferences()
    {
        return MarkDifferencesAt(surface, kX + 1, kY + 1, kTickBoxMap, box.IsEnabled(),
                                 box.IsChecked(), false, 0);
    }

    CheckBox box{&surface.Get(), "Sound"};
};

// The tick box is the map in all four states, on the face; the caption after it, the focus
// rectangle around the caption, grey when disabled; too low, it grows; hidden, nothing stays.
TEST_F(CheckBoxDisplayTest, TickBoxCaptionFocusAndHiding)
{
    for (bool enabled : {true, false}) {
        for (bool checked : {true, false}) {
            box.Enable(enabled);
            box.SetChecked(checked);
            EXPECT_EQ(TickBoxDifferences(), 0) << "enabled " << enabled << ", checked " << checked;
        }
    }
    EXPECT_EQ(surface.Unmet({Spot{kX, kY, kFace}, Spot{kX + kW - 6, kY, kFace, 6, 30}}), "");
    EXPECT_TRUE(events.empty());  // the setters run no command
    box.Enable(true);
    EXPECT_GE(surface.FindColor(kX + 21, kY, kW - 21, 30, kBlack).left, kX + 26);  // the caption
    box.GotFocus();
    EXPECT_EQ(surface.Unmet({Spot{kX + 23, kY + 2, kBlack}, Spot{kX + 23, kY + 29, kBlack},
                             Spot{kX + kW - 8, kY + 2, kBlack}}),
              "");
    box.LostFocus();
    EXPECT_EQ(surface.Unmet({Spot{kX + 23, kY + 2, kFace}, Spot{kX, kY + 30, kGrey, kW + 1, 2}}),
              "");
    box.GotFocus();
    box.Enable(false);
    EXPECT_TRUE(surface.FindColor(kX + 21, kY, kW - 21, 30, kBlack).Empty());
    EXPECT_FALSE(surface.FindColor(kX + 26, kY, kW - 26, 30, kDisabled).Empty());

    box.SetSize(kW, 10);
    EXPECT_EQ(box.GetHeight(), 22);
    box.Hide();
    EXPECT_EQ(surface.CountOther(kX, kY, kW, 22, kGrey), 0);
}

// A click, or space with the focus, toggles and runs the command before OnMouseUp; a disabled
// box neither toggles nor runs its command, but its OnMouseUp runs.
TEST_F(CheckBoxDisplayTest, ClicksAndSpaceToggleWhileEnabled)
{
    box.KeyChar(' ');  // no focus yet
    ClickAt(kX + 40, kY + 10);
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(TickBoxDifferences(), 0);
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
}

// Three options in rows of 26, 150 wide, the command noting the selected index.
class OptionBoxDisplayTest : public WidgetDisplayTest {
protected:
    static constexpr int kW = 150;
    static constexpr int kRow = 26;

    void SetUp() override
    {
        WidgetDisplayTest::SetUp();
        box.SetCommand([](GUIElement* self) {
            Note("command " + std::to_string(static_cast<OptionBox*>(self)->GetSelectedIndex()));
        });
        box.SetOnKeyDown([](GUIElement*, KeySym) { Note("OnKeyDown"); });
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

// Each row shows its mark over the face and its caption; with nothing selected the focus
// rectangle is around the first option, else around the selected one.
TEST_F(OptionBoxDisplayTest, MarksCaptionsAndTheFocusRectangle)
{
    EXPECT_EQ(box.GetHeight(), 3 * kRow);
    box.GotFocus();
    EXPECT_EQ(surface.Unmet({Spot{kX + 25, kY + 2, kBlack}, Spot{kX + 25, kY + 25, kBlack},
                             Spot{kX + kW - 6, kY + 2, kBlack},
                             Spot{kX + 25, kY + kRow + 1, kFace, 1, 2 * kRow - 1}}),
              "");
    box.SetSelectedIndex(2);
    EXPECT_EQ(surface.Unmet({Spot{kX + 25, kY + 2 * kRow + 2, kBlack},
                             Spot{kX + 25, kY, kFace, 1, 2 * kRow}}),
              "");
    box.LostFocus();
    EXPECT_EQ(surface.CountOther(kX, kY + 3 * kRow, kW + 1, 2, kGrey), 0);  // nothing below

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
// OnKeyDown is not served; a disabled box is not hit at all.
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
    ClickRow(0);
    Pump();
    EXPECT_EQ(box.GetSelectedIndex(), 2);
}

// Half way the blue bar is 94 pixels wide inside the bevel, on the bar's own grey; values are
// limited to the range, and the same value again paints nothing. Without a bevel the back
// colour fills the whole bar; a hidden bar leaves nothing behind and stays hidden on repaints.
TEST_F(WidgetDisplayTest, ProgressBarWithAndWithoutBevel)
{
    constexpr int kBlue = 0x0000FF;
    surface.Get().SetBackColor(0x304050);
    Paint(surface, 0, 0, 240, 180, 0x304050);
    ProgressBar bar(&surface.Get(), 0, 100);
    bar.SetPosition(kX, kY);
    const auto blue = [&] { return surface.FindColor(kX, kY, 190, 25, kBlue); };
    bar.Show();
    EXPECT_TRUE(blue().Empty());
    bar.SetValue(50);
    EXPECT_EQ(XY(Point{blue().left, blue().top}), XY(Point{kX + 1, kY + 1}));
    EXPECT_EQ(blue().count, 94 * 23);
    EXPECT_EQ(surface.Unmet({Spot{kX + 95, kY + 10, kGrey}, Spot{kX, kY + 10, kBlack},
                             Spot{kX + 189, kY + 10, kWhite}}),
              "");
    bar.SetValue(150);
    EXPECT_EQ(blue().count, 188 * 23);
    bar.SetValue(-3);
    EXPECT_EQ(bar.GetValue(), 0);
    bar.SetValue(30);
    Paint(surface, kX, kY, 50, 25);
    bar.SetValue(30);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kMarker);
    bar.SetValue(31);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kBlue);

    ProgressBar flat(&surface.Get(), 0, 100);
    flat.SetPosition(kX, 100);
    flat.SetBevel(false);
    flat.SetBackColor(0x123456);
    flat.Show();
    EXPECT_EQ(surface.CountOther(kX, 100, 190, 25, 0x123456), 0);
    EXPECT_EQ(surface.Pixel(kX + 190, 125), 0x304050);
    flat.SetValue(100);
    flat.Hide();
    surface.Get().Paint();
    flat.SetValue(20);
    EXPECT_EQ(surface.CountOther(kX, 100, 191, 26, 0x304050), 0);
    flat.Show();
    EXPECT_EQ(surface.FindColor(kX, 100, 190, 25, kBlue).count, 37 * 23);
}

// A horizontal bar over 0 .. 200, 122 x 21: an 80-pixel track from x 41 to 120, three pages in
// cells of 26, 26 and 28 pixels; the handler notes ten times the value.
class ScrollBarDisplayTest : public WidgetDisplayTest {
protected:
    static constexpr int kMiddle = kY + 10;

    void SetUp() override
    {
        WidgetDisplayTest::SetUp();
        bar.SetScrollHandler([](ScrollBar*, int64_t tenTimes) { Note(std::to_string(tenTimes)); });
    }
    void Show(int value)
    {
        bar.SetValue(value);
        ShowAt(bar, kX, kY, 122, 13);
    }
    // Where the page block is on the track.
    InkBox Block() { return surface.FindColor(41, kY + 1, 80, 19, kBlack); }

    ScrollBar bar{&surface.Get(), 0, 200};
};

// Light top and left edges, dark right and bottom ones, both arrows, and the block filling the
// current page's cell below the top inset; the last page's block takes the rest of the track.
TEST_F(ScrollBarDisplayTest, FrameArrowsCellsAndTheBlockOnTheCurrentPage)
{
    Show(85);
    EXPECT_EQ(bar.GetHeight(), 21);
    EXPECT_EQ(surface.Unmet({Spot{80, kY, kLight}, Spot{kX, kMiddle, kLight},
                             Spot{kX + 122, kMiddle, kBlack}, Spot{80, kY + 21, kBlack},
                             Spot{kX + 10, kMiddle, kBlack}, Spot{kX + 112, kMiddle, kBlack}}),
              "");
    EXPECT_EQ(XY(Point{Block().left, Block().right}), "67,91");
    EXPECT_EQ(Block().top, kY + 2);
    bar.SetValue(199);
    EXPECT_EQ(XY(Point{Block().left, Block().right}), "93,119");
    EXPECT_EQ(surface.Pixel(80, kMiddle), kFace);

    bar.SetPosition(kX, 100);  // moved: erased where it was, far edges too
    EXPECT_EQ(surface.CountOther(kX, kY, 123, 22, kGrey), 0);
    EXPECT_EQ(surface.Pixel(kX + 10, 110), kBlack);
}

// The value is stored as given (shown on the nearest page); keys move a page, but not past
// either end, and not while disabled; a one-page bar draws no block.
TEST_F(ScrollBarDisplayTest, SetValueStoresWhatItIsGivenAndKeysMoveByPages)
{
    Show(9999);
    EXPECT_EQ(bar.GetValue(), 9999);
    EXPECT_EQ(Block().left, 93);
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
    EXPECT_TRUE(Block().Empty());
    bar.KeyDown(XK_Right);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(bar.GetValue(), 10);
    EXPECT_EQ(events, (Events{"800", "1600"}));
}

// A press on an arrow zone moves a page; a press or a drag on the track goes to the page under
// the pointer, wherever the pointer is held.
TEST_F(ScrollBarDisplayTest, PressesOnTheArrowZonesAndDragsOnTheTrack)
{
    Show(160);
    ClickAt(kX + 5, kMiddle);
    EXPECT_EQ(bar.GetValue(), 80);
    EXPECT_EQ(Block().left, 67);
    input.Click(FormWindow(), kX + 118, kMiddle);  // the right zone: a page on
    input.Click(FormWindow(), kX + 118, kMiddle);  // none left: nothing changes
    input.MoveTo(FormWindow(), 70, kMiddle);
    input.PressButton(Button1);
    Pump();
    EXPECT_EQ(bar.GetValue(), 80);
    EXPECT_EQ(Block().left, 67);
    input.MoveTo(FormWindow(), 120, 150);  // the last pixel of the last cell, below the bar
    Pump();
    EXPECT_EQ(bar.GetValue(), 160);
    input.MoveTo(FormWindow(), 135, 150);  // beyond the track: no page there
    Pump();
    EXPECT_EQ(bar.GetValue(), 160);
    input.MoveTo(FormWindow(), 30, 150);  // before it: the first page
    input.ReleaseButton(Button1);
    Pump();
    EXPECT_EQ(bar.GetValue(), 0);
    EXPECT_FALSE(bar.IsDragging());
    EXPECT_EQ(events, (Events{"800", "1600", "800", "1600", "0"}));
}

// A vertical bar has its arrows at the top and bottom and its block inset from the left edge.
TEST_F(ScrollBarDisplayTest, AVerticalBarHasItsArrowsAtTheTopAndBottom)
{
    bar.SetVertical(true);
    ShowAt(bar, kX, kY, 13, 122);
    EXPECT_EQ(bar.GetWidth(), 21);
    EXPECT_EQ(surface.Unmet({Spot{kX + 10, kY + 10, kBlack}, Spot{kX + 10, kY + 112, kBlack},
                             Spot{kX + 2, kY + 30, kBlack, 18, 1}, Spot{kX + 1, kY + 30, kFace},
                             Spot{kX + 10, kY + 60, kFace}}),
              "");
    bar.SetValue(100);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 60), kBlack);  // the block of page 1
}

// A horizontal slider over 0 .. 4, asked to be 10 x 10: it is 72 x 36, its track on row
// kY + 18; the handler and OnChange are noted.
class SliderDisplayTest : public WidgetDisplayTest {
protected:
    static constexpr int kTrack = kY + 18;

    void SetUp() override
    {
        WidgetDisplayTest::SetUp();
        slider.SetChangeHandler(
            [](Slider*, int value) { Note("handler " + std::to_string(value)); });
        slider.SetOnChange([](GUIElement*) { Note("OnChange"); });
        ShowAt(slider, kX, kY, 10, 10);
    }
    Slider slider{&surface.Get(), false, 0, 4};
};

// Ticks 8 apart with a last gap of 9 reach 3 rows either side of the track (x 40 to 73), each
// with a light right edge; the thumb points down at the value's tick from 5 to 15 rows above;
// the end values are printed left and right. A vertical slider has its ticks down and its thumb
// on the right pointing left; SetValue is limited to the range.
TEST_F(SliderDisplayTest, TicksTrackThumbAndLabels)
{
    EXPECT_EQ(surface.Unmet({Spot{40, kTrack - 3, kBlack}, Spot{73, kTrack + 3, kBlack},
                             Spot{41, kTrack - 3, kLight}, Spot{52, kTrack, kBlack},
                             Spot{52, kTrack + 1, kLight}, Spot{40, kTrack - 8, kBlack}}),
              "");
    slider.SetValue(2);
    EXPECT_EQ(surface.Unmet({Spot{40, kTrack - 8, kFace}, Spot{56, kTrack - 8, kBlack}}), "");
    EXPECT_FALSE(surface.FindColor(kX, kY, 19, 36, kBlack).Empty());
    EXPECT_FALSE(surface.FindColor(75, kY, 18, 36, kBlack).Empty());
    slider.SetShowLabels(false);
    EXPECT_EQ(surface.FindColor(kX, kY, 19, 36, kBlack).count +
                  surface.FindColor(75, kY, 18, 36, kBlack).count,
              0);

    Slider tall(&surface.Get(), true, 10, 12);
    tall.SetShowLabels(false);
    ShowAt(tall, 150, 20, 10, 10);
    const int xm = 150 + 20;
    // Tick 1 and its light edge, the track's light side, the thumb at 10.
    EXPECT_EQ(surface.Unmet({Spot{xm - 3, 46, kBlack}, Spot{xm - 3, 47, kLight},
                             Spot{xm + 1, 50, kLight}, Spot{xm + 10, 38, kBlack}}),
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
    EXPECT_EQ(events, (Events{"handler 0", "OnChange", "handler 4", "OnChange", "handler 3",
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
    EXPECT_EQ(events, (Events{"handler 2", "OnChange", "handler 0", "OnChange", "handler 3",
                              "OnChange", "handler 1", "OnChange"}));
}

}  // namespace
}  // namespace tarnbrook
