#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "game/TileFile.h"
#include "gfx/GraphicsContext.h"
#include "gfx/XImageFactory.h"
#include "support/BeepCounter.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"
#include "ui/CellControl.h"
#include "ui/ImageFrame.h"
#include "ui/PanelChildren.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/OptionBox.h"
#include "ui/widgets/ProgressBar.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Slider.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {
namespace {

using namespace testsupport;
using Events = std::vector<std::string>;

constexpr int kForm = 0x5080B0;
constexpr int kRed = 0xFF0000;
constexpr int kCaret = 0xFFFF00;
constexpr int kX = 20;  // every widget's place
constexpr int kY = 30;

Events events;  // written by the elements' callbacks

const auto Note = [](GUIElement*) { events.push_back("command"); };
const auto NoteNumber = [](int64_t number) { events.push_back(std::to_string(number)); };

// Elements on a shown form, 240 x 180 and grey unless told, with real input handed to the
// dispatcher by Pump; no events yet.
class WidgetDisplayTest : public SurfaceTest {
protected:
    using SurfaceTest::SurfaceTest;
    void SetUp() override
    {
        SurfaceTest::SetUp();
        ASSERT_TRUE(input.Connected());
        events.clear();
    }
    Window FormWindow() { return surface.Get().GetWindow(); }
    void Pump() { DispatchPending(&surface.Get()); }
    void ClickAt(int x, int y)
    {
        input.Click(FormWindow(), x, y);
        Pump();
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

    InputDriver input;
};

class ElementDisplayTest : public WidgetDisplayTest {
protected:
    ElementDisplayTest() : WidgetDisplayTest(300, 240, kForm) {}
};

// A bevelled cell's edges; the asterisk in the bottom right corner; icons left, right, centred.
// Sunken, raised and flat panel frames; a cell hides to the form's colour, children with the panel,
// which can give them its own back colour.
TEST_F(ElementDisplayTest, CellsAndPanelsDrawTheirFramesAsteriskAndIcons)
{
    CellControl cell(&surface.Get());
    ShowAt(cell, 20, 30, 60, 20, GUIElement::NoBackColor);
    cell.SetBevel(true);
    ExpectPicture("cell-bevel");
    cell.SetBevel(false);
    cell.SetForeColor(kRed);
    cell.SetSize(100, 40);
    cell.SetAsterisk(true);
    const int side = GraphicsContext(&surface.Get()).LineHeight();
    const InkBox star = surface.FindColor(20, 30, 100, 40, kRed);
    EXPECT_GE(star.left, 120 - side);
    EXPECT_TRUE(star.top >= 66 - side && star.bottom < 66) << star.top << " " << star.bottom;
    cell.SetAsterisk(false);
    const std::vector<unsigned char> white(6 * 4 * 3, 0xFF);
    ImagePtr icon = CreateXImage(&surface.Get(), white.data(), 6, 4);
    for (const auto& [align, left] : {std::pair{0, 23}, {1, 111}, {2, 67}}) {
        cell.SetIcon(icon.get(), 6, 4, align);
        const InkBox drawn = surface.FindColor(20, 30, 100, 40, kWhite);
        EXPECT_EQ(XY(Point{drawn.left, drawn.top}) + " " + std::to_string(drawn.count),
                  XY(Point{left, 48}) + " 24");
    }
    cell.Hide();

    PanelChildren sunken(&surface.Get());
    sunken.SetFramed(true);
    PanelChildren raised(&surface.Get());
    raised.SetSunken(false);
    PanelChildren flat(&surface.Get());
    flat.SetFlatFrame(true);
    flat.SetText("Caption");
    flat.SetCaptionColor(kRed);
    for (auto [panel, y] : {std::pair{&sunken, 10}, {&raised, 70}, {&flat, 130}}) {
        ShowAt(*panel, 10, y, 100, 50, GUIElement::NoBackColor);
    }
    ExpectPicture("panels");
    CellControl inner(&sunken);
    ShowAt(inner, 10, 10, 30, 20, 0x00FF00);
    inner.Hide();
    EXPECT_EQ(surface.CountOther(20, 20, 30, 20, kForm), 0);
    ShowAt(inner, 10, 10, 30, 20, kWhite);
    sunken.SetChildBackColor(kRed);
    sunken.Paint();
    EXPECT_EQ(surface.CountOther(20, 20, 29, 20, kRed), 0);
    sunken.Hide();
    EXPECT_FALSE(inner.IsCreated());
    EXPECT_EQ(surface.CountOther(10, 10, 100, 50, kForm), 0);
    sunken.Show();
    EXPECT_TRUE(inner.IsCreated());
}

// Squares of a strip whose pixel at (x, y) is x * 256 + y: a square shows its tile and repaints
// only on a change to a tile there is; squares share one image, made again once all have gone.
// A list of pictures shows the one at column + row.
TEST_F(ElementDisplayTest, ImageFrameSquaresShowTheirTilesAndShareOneImage)
{
    std::vector<unsigned char> strip;
    for (int i = 0; i < kTileStripWidth * kTileSide; ++i) {
        const int x = i % kTileStripWidth;
        strip.insert(strip.end(),
                     {static_cast<unsigned char>(x >> 8), static_cast<unsigned char>(x),
                      static_cast<unsigned char>(i / kTileStripWidth)});
    }
    const auto Square = [&](int tile, int x, int y) {
        auto frame = std::make_unique<ImageFrame>(&surface.Get(), strip.data(), kTileStripWidth,
                                                  kTileSide, tile, 0);
        ShowAt(*frame, x, y, kTileSide, kTileSide, GUIElement::NoBackColor);
        return frame;
    };
    std::unique_ptr<ImageFrame> square = Square(0, 30, 40);
    EXPECT_FALSE(square->IsTabStop());  // Tab passes the board's squares by
    square->SetCell(5, 0);
    ExpectSpots(
        {Spot{30, 40, 135 * 256}, Spot{43, 50, 148 * 256 + 10}, Spot{56, 66, 161 * 256 + 26}});
    GraphicsContext(&surface.Get())
        .FillRectangle(30, 40, kTileSide + 1, kTileSide + 1, 0, 0, kMarker);
    for (Point cell : {Point{5, 0}, Point{19, 0}, Point{-1, 0}, Point{100000, 0}, Point{3, 1}}) {
        square->SetCell(cell.x, cell.y);
        EXPECT_EQ(surface.CountOther(30, 40, kTileSide, kTileSide, kMarker), 0) << XY(cell);
    }

    std::unique_ptr<ImageFrame> other = Square(2, 0, 0);
    ASSERT_NE(square->GetSheetImage(), nullptr);
    EXPECT_EQ(other->GetSheetImage(), square->GetSheetImage());
    other.reset();
    square.reset();
    const auto later = Square(1, 0, 0);
    EXPECT_EQ(surface.Pixel(13, 13), (27 + 13) * 256 + 13);
    later->SetCellErase(2, 0, false);
    EXPECT_EQ(surface.Pixel(13, 13), (54 + 13) * 256 + 13);
    later->SetCellErase(2, 1, false);
    EXPECT_EQ(later->GetCell(), (int64_t{1} << 32) + 2);

    const std::vector<unsigned char> white(6 * 4 * 3, 0xFF), black(6 * 4 * 3, 0);
    ImagePtr first = CreateXImage(&surface.Get(), white.data(), 6, 4),
             second = CreateXImage(&surface.Get(), black.data(), 6, 4);
    ImageFrame listed(&surface.Get(), std::vector<XImage*>{first.get(), second.get()}, 0, 0);
    ShowAt(listed, 100, 100, 6, 4, GUIElement::NoBackColor);
    EXPECT_EQ(surface.CountOther(100, 100, 6, 4, kWhite), 0);
    listed.SetCell(0, 1);
    EXPECT_EQ(listed.GetCell(), int64_t{1} << 32);  // the row above the column
    EXPECT_EQ(surface.CountOther(100, 100, 6, 4, 0), 0);
}

int deletions = 0;

void Delete(GUIElement* element)
{
    ++deletions;
    delete element;
}

const auto Release = [](GUIElement* element) { element->MouseUp(Point{25, 35}); };
const auto Space = [](GUIElement* element) { EXPECT_TRUE(element->KeyChar(' ')); };

// An element made with new, shown at (20, 30) with the focus, whose callbacks delete it: what runs
// them deletes it once and leaves it forgotten everywhere (AddressSanitizer watches).
TEST_F(ElementDisplayTest, ACallbackMayDeleteTheElementThatRanIt)
{
    const auto Deletes = [&](const char* name, GUIElement* element, void (*act)(GUIElement*)) {
        SCOPED_TRACE(name);
        deletions = 0;
        ShowAt(*element, 20, 30, 122, 30, GUIElement::NoBackColor);
        element->GotFocus();
        Application::focused = element;
        const auto onMouse = [](GUIElement* self, int64_t, Point) { Delete(self); };
        element->SetOnMouseUp(onMouse);
        element->SetOnMouseDown(onMouse);
        element->SetOnDblClick(onMouse);
        element->SetOnKeyChar([](GUIElement* self, char) {
            Delete(self);
            return true;
        });
        element->SetOnKeyDown([](GUIElement* self, KeySym) { Delete(self); });
        element->SetOnLostFocus(Delete);
        element->SetOnChange(Delete);
        element->SetOnClose(Delete);
        if (auto* commanded = dynamic_cast<CommandElement*>(element)) {
            commanded->SetCommand(Delete);
        }
        act(element);
        EXPECT_EQ(deletions, 1);
        EXPECT_EQ(Application::focused, nullptr);
        EXPECT_TRUE(Application::GetChildren(surface.Get().GetId()).empty());
    };
    Form* form = &surface.Get();
    Deletes("MouseUpBeforeDoubleClick", new CellControl(form), Release);
    Deletes("LostFocusBeforeChange", new CellControl(form), [](GUIElement* e) {
        e->SetText("edited");
        e->LostFocus();
    });
    Deletes("Close", new CellControl(form), [](GUIElement* e) { e->Close(); });
    Deletes("ButtonClick", new ButtonCustom(form, "X"), Release);
    Deletes("ButtonReturn", new ButtonCustom(form, "X"),
            [](GUIElement* e) { EXPECT_FALSE(e->KeyChar('\r')); });
    Deletes("CheckBoxClick", new CheckBox(form, "X"), Release);
    Deletes("CheckBoxSpace", new CheckBox(form, "X"), Space);
    auto* options = new OptionBox(form);
    options->AddItem("One", "1");
    Deletes("OptionBoxSpace", options, Space);
    Deletes("TextBoxKeyChar", new TextBoxCustom(form, "a"),
            [](GUIElement* e) { EXPECT_TRUE(e->KeyChar('b')); });
    Deletes("TextBoxKeyDown", new TextBoxCustom(form, "a"),
            [](GUIElement* e) { e->KeyDown(XK_Left); });
    Deletes("TextBoxMouseUp", new TextBoxCustom(form, "a"), Release);
    auto* slider = new Slider(form, false, 0, 4);
    slider->SetChangeHandler([](Slider* self, int) { Delete(self); });
    Deletes("SliderSpace", slider, Space);
    auto* bar = new ScrollBar(form, 0, 200);
    bar->SetScrollHandler([](ScrollBar* self, int64_t) { Delete(self); });
    Deletes("ScrollBarPress", bar, [](GUIElement* e) { e->MouseDown(Point{138, 40}); });
}

// A button at (kX, kY): raised, sunk while pressed; the focus rectangle dashed from x + 4; a
// release outside does not fire, Return fires on release; disabled, grey and deaf.
TEST_F(WidgetDisplayTest, Button)
{
    ButtonCustom button(&surface.Get(), "");
    EXPECT_EQ(XY(button.GetSize()), "80,30");  // unless told otherwise
    button.SetCommand(Note);
    ShowAt(button, kX, kY, 80, 30);
    ExpectPicture("button");
    button.GotFocus();
    ExpectPicture("button-focused");
    Press(kX + 10, kY + 10);
    ExpectPicture("button-pressed");
    input.MoveTo(FormWindow(), kX + 110, kY + 10);
    input.ReleaseButton(Button1);
    Pump();
    ExpectPicture("button-released-outside");
    ClickAt(kX + 10, kY + 10);
    input.PressKey(XK_Return);
    Pump();
    EXPECT_TRUE(button.IsPressed() && events.size() == 1u);
    input.ReleaseKey(XK_Return);
    Pump();
    EXPECT_FALSE(button.IsPressed() || events.size() != 2u);
    // A picture left of the caption, its own one while disabled; alone, centred.
    button.SetText("OK");
    const std::vector<unsigned char> white(6 * 4 * 3, 0xFF), dark(6 * 4 * 3, 0x20);
    ImagePtr picture = CreateXImage(&surface.Get(), white.data(), 6, 4);
    ImagePtr greyed = CreateXImage(&surface.Get(), dark.data(), 6, 4);
    button.SetImage(picture.get());
    button.SetDisabledImage(greyed.get());
    button.Enable(false);
    ExpectPicture("button-disabled-picture");
    EXPECT_FALSE(button.KeyChar('\r'));
    EXPECT_EQ(events.size(), 2u);
    button.Enable(true);
    button.SetText("");
    ExpectPicture("button-picture");
}

// Tick box, caption and focus rectangle; clicks and space run the command, then OnMouseUp.
TEST_F(WidgetDisplayTest, CheckBox)
{
    CheckBox box(&surface.Get(), "Sound");
    box.SetCommand(Note);
    box.SetOnMouseUp([](GUIElement*, int64_t, Point) { events.push_back("OnMouseUp"); });
    ShowAt(box, kX, kY, 120, 30);
    for (int state = 0; state < 4; ++state) {  // checked, unchecked, then both disabled
        box.SetChecked(state % 2 == 0);
        box.Enable(state < 2);
        ExpectPicture("check-box-" + std::to_string(state));
    }
    box.Enable(true);
    box.SetForeColor(kRed);
    EXPECT_FALSE(surface.FindColor(kX + 26, kY, 94, 30, kRed).Empty());
    box.SetText("");
    EXPECT_TRUE(surface.FindColor(kX + 21, kY, 99, 30, kRed).Empty());
    box.SetForeColor(kBlack);
    box.SetText("Sound");
    box.GotFocus();
    ExpectPicture("check-box-focused");
    box.LostFocus();
    ExpectPicture("check-box-1");

    ClickAt(kX + 40, kY + 10);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 12), kBlack);  // ticked
    input.TypeKey(XK_space);
    input.TypeKey(XK_Down);  // other keys do nothing
    Pump();
    box.Enable(false);
    ClickAt(kX + 40, kY + 10);
    box.KeyChar(' ');
    EXPECT_FALSE(box.IsChecked());
    EXPECT_EQ(events, (Events{"command", "OnMouseUp", "command", "OnMouseUp"}));
}

// Three options in rows of 26: marks, the focus rectangle on the selected or else first row; keys
// wrap around, clicks below take the last, each running the command, which notes the index.
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
    box.GotFocus();
    ExpectPicture("option-box-focused");
    box.SetSelectedIndex(2);
    ExpectPicture("option-box-third");
    box.LostFocus();
    box.SetSelectedIndex(1);
    ExpectPicture("option-box-second");
    box.Enable(false);
    ExpectPicture("option-box-disabled");
    box.Enable(true);
    box.SetSize(150, 130);
    input.Click(FormWindow(), kX + 60, kY + 117);
    input.Click(FormWindow(), kX + 60, kY + 117);
    for (KeySym key : {XK_Down, XK_Up, XK_Up, XK_space /* Down */, XK_Left /* nothing */}) {
        input.TypeKey(key);
    }
    Pump();
    EXPECT_EQ(events, (Events{"2", "2", "0", "2", "1", "2"}));
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 26 * 2 + 15), 0x010101);  // the third marked
    box.Move(kX + 20, kY);                                          // shown there at once
    EXPECT_EQ(surface.Pixel(kX + 30, kY + 26 * 2 + 15), 0x010101);
}

// Over 0 .. 10: a new value shows at once, one beyond either end stops there; flat and bevelled.
// The bar is the reached share of the inside; a range with maximum = minimum draws no bar, not a
// division by zero.
TEST_F(WidgetDisplayTest, ProgressBar)
{
    EXPECT_EQ(ProgressBar::BarWidth(188, 0, 3, 1), 62);
    EXPECT_EQ(ProgressBar::BarWidth(188, 40, 40, 40), 0);
    EXPECT_EQ(ProgressBar::BarWidth(-4, 0, 100, 50), 0);
    ProgressBar flat(&surface.Get(), 0, 10), bevelled(&surface.Get(), 0, 10);
    ShowAt(flat, kX, kY, 100, 20);
    ShowAt(bevelled, kX, kY + 40, 100, 20);
    bevelled.SetBevel(true);
    flat.SetValue(4);
    bevelled.SetValue(-5);
    bevelled.SetValue(99);
    ExpectPicture("progress-bars");
}

// Over 0 .. 200, 122 x 21: a track from x 41 to 120 in page cells of 26, 26 and 28. Edges,
// arrows, the block on the current page's cell; arrow zones and keys move a page, not past either
// end nor while disabled; a press takes the page under the pointer; the value is stored as given.
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
    ExpectPicture("scroll-bar");
    bar.SetValue(199);
    EXPECT_EQ(Block(), "93,119");
    EXPECT_EQ(surface.Pixel(80, kMiddle), kFace);

    bar.SetValue(160);
    ClickAt(kX + 5, kMiddle);                      // the left zone: a page back
    input.Click(FormWindow(), kX + 118, kMiddle);  // the right zone: a page on
    input.Click(FormWindow(), kX + 118, kMiddle);  // none left: nothing changes
    Press(70, kMiddle);
    EXPECT_EQ(std::to_string(bar.GetValue()) + " " + Block(), "80 67,91");
    Drag(100, 150);  // far below the track, over the last page
    Drag(135, 150);  // beyond the track: no page there
    input.ReleaseButton(Button1);
    Drag(50, kMiddle);  // passing over, no longer dragging
    EXPECT_EQ(Block(), "93,119");
    EXPECT_FALSE(bar.IsDragging());
    bar.SetValue(0);
    ClickAt(121, kMiddle);  // the track's end takes the last page

    bar.SetValue(9999);
    EXPECT_EQ(bar.GetValue(), 9999);
    bar.GotFocus();
    bar.KeyDown(XK_Up);
    EXPECT_EQ(Block(), "67,91");    // a page back, shown at once
    EXPECT_TRUE(bar.KeyChar(' '));  // space is Down
    bar.SetValue(0);
    bar.KeyDown(XK_Left);  // no page before the first
    bar.Enable(false);
    bar.KeyDown(XK_Left);
    EXPECT_EQ(surface.Pixel(kX + 10, kMiddle), kDisabled);
    EXPECT_EQ(events, (Events{"800", "1600", "800", "1600", "1600", "800", "1600"}));
}

// Over 0 .. 4, asked to be 10 x 10: 72 x 36, the track on row kY + 18. Keys step by one and wrap,
// only while focused and enabled; a click takes the tick at or after the pointer, a drag follows
// it until the release; ticks 8 apart (last gap 9) from x 40, the thumb above its tick, labels.
TEST_F(WidgetDisplayTest, Slider)
{
    constexpr int kTrack = kY + 18;
    Slider slider(&surface.Get(), false, 0, 4);
    slider.SetChangeHandler(
        [](Slider*, int value) { events.push_back("handler " + std::to_string(value)); });
    slider.SetOnChange([](GUIElement*) { events.push_back("OnChange"); });
    ShowAt(slider, kX, kY, 10, 10);
    slider.KeyDown(XK_Right);
    slider.GotFocus();
    const InkBox dashes = surface.FindColor(kX, kY + 1, 72, 1, kBlack);
    EXPECT_EQ(dashes.left, kX);
    EXPECT_TRUE(dashes.count > 20 && dashes.count < 60) << dashes.count;
    EXPECT_EQ(surface.FindColor(kX, kY + 34, 72, 1, kBlack).count, dashes.count);  // the bottom
    slider.SetValue(4);
    slider.KeyDown(XK_Right);
    slider.KeyDown(XK_Up);
    slider.KeyDown(XK_Up);
    EXPECT_TRUE(slider.KeyChar(' '));
    slider.KeyDown(XK_a);
    slider.Enable(false);
    slider.KeyDown(XK_Right);
    EXPECT_TRUE(surface.FindColor(kX, kY, 73, 37, kBlack).Empty());  // grey when disabled
    EXPECT_EQ(surface.Pixel(40, kTrack), kDisabled);
    slider.Enable(true);
    input.Click(FormWindow(), 51, kY + 30);
    Press(40, kTrack);
    Drag(63, 150);                                  // far below the slider, over tick 3
    EXPECT_EQ(surface.Pixel(64, kY + 10), kBlack);  // the thumb moved there
    input.MoveTo(FormWindow(), 48, 160);
    input.ReleaseButton(Button1);
    Drag(73, 160);
    EXPECT_FALSE(slider.IsDragging());
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(events,
              (Events{"handler 0", "OnChange", "handler 4", "OnChange", "handler 3", "OnChange",
                      "handler 4", "OnChange", "handler 2", "OnChange", "handler 0", "OnChange",
                      "handler 3", "OnChange", "handler 1", "OnChange"}));

    slider.SetValue(0);
    ExpectPicture("slider-at-0");
    slider.SetValue(2);
    ExpectPicture("slider-at-2");
    slider.SetShowLabels(false);
    EXPECT_TRUE(surface.FindColor(75, kY, 18, 36, kBlack).Empty());

    // Standing: ticks go down from y 46, the thumb on the right of the track points left.
    Slider tall(&surface.Get(), true, 10, 12);
    tall.SetShowLabels(false);
    ShowAt(tall, 150, 20, 10, 10);
    ExpectPicture("sliders");
}

// Boxes at (20, y), white; the cells start 3 pixels inside; beeps counted.
class TextBoxCustomDisplayTest : public ElementDisplayTest {
protected:
    std::unique_ptr<TextBoxCustom> Box(const std::string& text, int y, int w = 120, int h = 30)
    {
        auto box = std::make_unique<TextBoxCustom>(&surface.Get(), text);
        ShowAt(*box, 20, y, w, h, kWhite);
        return box;
    }
    // A click in the middle of the box's cell, then the keys.
    void ClickAndType(TextBoxCustom& box, int column, const std::vector<KeySym>& keys)
    {
        const Point at = box.GetPosition();
        input.Click(FormWindow(), at.x + 3 + column * box.GetCellWidth() + box.GetCellWidth() / 2,
                    at.y + 3 + box.GetLineHeight() / 2);
        for (KeySym key : keys) {
            input.TypeKey(key);
        }
    }
    XFontStruct* Font() { return surface.Get().GetFont().GetFontStruct(surface.GetDisplay()); }
    InkBox Caret(int y) { return surface.FindColor(20, y, 120, 30, kCaret); }

    ScratchFolder folder;
    BeepCounter beeps{folder.Path()};
};

// A sunken frame; the caret fills the cell after the text; hidden, erased. Disabled or read-only,
// no caret, character or beep. Password stars. Up and Down move a row in a multi-line box.
TEST_F(TextBoxCustomDisplayTest, FrameCaretDisabledReadOnlyAndPassword)
{
    auto box = Box("Mi  ", 30);
    EXPECT_EQ(box->GetText(), "Mi");
    const int cell = box->GetCellWidth();
    const int line = box->GetLineHeight();
    EXPECT_EQ(cell, XTextWidth(Font(), "M", 1) + 2);
    EXPECT_EQ(line, Font()->ascent + 5);
    ExpectSpots({Spot{60, 30, kWhite}, Spot{139, 45, kBlack}, Spot{21, 45, kBlack},
                 Spot{60, 58, kWhite}, Spot{140, 45, kForm}});
    EXPECT_TRUE(Caret(30).Empty());
    box->SetFocus();
    EXPECT_EQ(XY(Point{Caret(30).left, Caret(30).top}), XY(Point{23 + 2 * cell, 33}));
    EXPECT_EQ(Caret(30).count, (cell - 1) * line);
    EXPECT_FALSE(surface.FindColor(23 + cell, 33, cell, line, kBlack).Empty());
    EXPECT_EQ(surface.CountOther(23 + 3 * cell, 33, 8 * cell, line, kWhite), 0);
    box->LostFocus();
    EXPECT_TRUE(Caret(30).Empty());
    box->Hide();
    EXPECT_EQ(surface.CountOther(20, 30, 121, 31, kForm), 0);

    auto disabled = Box("ab", 30);
    disabled->SetFocus();
    disabled->Enable(false);
    EXPECT_EQ(surface.Pixel(25 + 4 * disabled->GetCellWidth(), 40), kGrey);
    EXPECT_FALSE(surface.FindColor(23, 33, cell, line, kDisabled).Empty());
    EXPECT_TRUE(surface.FindColor(22, 32, 116, 26, kBlack).Empty());
    EXPECT_TRUE(Caret(30).Empty());
    EXPECT_FALSE(disabled->KeyChar('x'));
    auto readOnly = Box("ab", 80);
    readOnly->SetReadOnly(true);
    readOnly->SetFocus();
    EXPECT_TRUE(Caret(80).Empty());
    EXPECT_FALSE(readOnly->KeyChar('x'));
    readOnly->KeyDown(XK_Left);
    EXPECT_EQ(std::to_string(readOnly->GetCaret()) + readOnly->GetText(), "1ab");
    EXPECT_EQ(beeps.Count(), 0);
    auto secret = Box("ab c", 130);
    secret->SetPassword(true);
    auto stars = Box("** *", 180);
    EXPECT_EQ(surface.Area(23, 133, 5 * cell, line), surface.Area(23, 183, 5 * cell, line));
    stars->SetText("");
    stars->SetDateMode(true);  // ten characters at most, the slashes written
    for (char digit : std::string("120320245")) {
        stars->KeyChar(digit);
    }
    EXPECT_EQ(stars->GetText(), "12/03/2024");
    auto memo = Box(std::string(20, 'm'), 130, 120, 45);  // on two rows
    memo->SetMemo(true);                                  // a memo is multi-line
    memo->SetFocus();
    memo->KeyDown(XK_Up);
    const int up = memo->GetCaret();
    memo->KeyDown(XK_Down);
    EXPECT_EQ(XY(Point{up, memo->GetCaret()}), "8,20");  // a row of 12 up, then down
}

// Five cells take five characters and the sixth beeps; Shift let go first still gives a capital.
TEST_F(TextBoxCustomDisplayTest, TypingOverBackspaceDeleteAndTheWidthLimitThroughTheDispatcher)
{
    auto box = Box("abcd", 30, 150);
    box->SetOnKeyUp([](GUIElement* self, KeySym) { events.push_back(self->GetText()); });
    box->SetSize(6 + 5 * box->GetCellWidth() + box->GetCellWidth() - 1, 30);
    ClickAndType(
        *box, 1,
        {XK_x, XK_BackSpace, XK_Delete, XK_b, XK_c, XK_d, XK_e, XK_f, XK_Right, XK_BackSpace});
    input.PressKey(XK_Shift_L);
    input.PressKey(XK_a);
    input.ReleaseKey(XK_Shift_L);
    input.ReleaseKey(XK_a);
    Pump();
    EXPECT_EQ(events, (Events{"axcd", "acd", "a d", "abd", "abc", "abcd", "abcde", "abcde", "abcde",
                              "abcd", "abcd", "abcdA"}));
    EXPECT_EQ(box->GetCaret(), 5);
    EXPECT_EQ(beeps.Count(), 1);
}

// Out without editing, back, then out after an edit: only the last leaving is a change; taken back
// by a click, it leaves without one. é (from 128 up) reaches the box's rules, which refuse it with
// a beep.
TEST_F(TextBoxCustomDisplayTest, OnChangeFollowsOnlyAnEditBetweenFocusAndLeaving)
{
    auto first = Box("abc", 30, 150);
    auto second = Box("", 80, 150);
    first->SetOnLostFocus([](GUIElement*) { events.push_back("first lost"); });
    first->SetOnChange([](GUIElement*) { events.push_back("first changed"); });
    ClickAndType(*first, 0, {XK_eacute, XK_Tab, XK_Tab, XK_x, XK_Tab});
    Pump();
    EXPECT_EQ(events, (Events{"first lost", "first lost", "first changed"}));
    ClickAndType(*first, 0, {});
    Pump();
    second->SetFocus();
    EXPECT_EQ(events.back(), "first lost");
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(first->GetText(), "xbc");
    EXPECT_TRUE(second->HasFocus());
}

}  // namespace
}  // namespace tarnbrook
