#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "game/TileFile.h"
#include "gfx/GraphicsContext.h"
#include "support/RecordingChild.h"
#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"
#include "ui/CellControl.h"
#include "ui/ImageFrame.h"
#include "ui/PanelChildren.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/OptionBox.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Slider.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {
namespace {

using namespace testsupport;

constexpr int kForm = 0x5080B0;
constexpr int kRed = 0xFF0000;

class ElementDisplayTest : public SurfaceTest {
protected:
    ElementDisplayTest() : SurfaceTest(300, 200, kForm) {}
};

// Text as DrawText paints it, repainted only on change; bevel; highlight; asterisk; icon places.
TEST_F(ElementDisplayTest, CellTextBevelHighlightAsteriskAndIcon)
{
    CellControl cell(&surface.Get());
    cell.SetText("123");
    ShowAt(cell, 20, 30, 100, 20, GUIElement::NoBackColor);
    GraphicsContext gc(&surface.Get());
    gc.DrawText(150, 100, 100, 20, "123", kBlack, kGrey, TextAlign::Centre);
    EXPECT_EQ(surface.Area(20, 30, 99, 20), surface.Area(150, 100, 99, 20));
    Paint(surface, 20, 30, 100, 20);
    cell.SetText("123");
    cell.SetTextAlign(TextAlign::Centre);
    cell.SetForeColor(kBlack);
    EXPECT_EQ(surface.CountOther(20, 30, 100, 20, kMarker), 0);
    cell.SetTextAlign(TextAlign::Left);
    cell.SetForeColor(kRed);
    gc.DrawText(150, 100, 100, 20, "123", kRed, kGrey, TextAlign::Left);
    EXPECT_EQ(surface.Area(20, 30, 99, 20), surface.Area(150, 100, 99, 20));

    cell.SetText("");
    cell.SetSize(60, 20);
    cell.SetBevel(true);
    ExpectSpots({Spot{20, 30, kBlack}, Spot{20, 48, kBlack}, Spot{79, 30, kWhite},
                 Spot{79, 49, kWhite}, Spot{40, 49, kWhite}, Spot{21, 31, kGrey}});
    cell.SetBackColor(kWhite);
    ExpectSpots({Spot{79, 30, kBlack, 1, 20}, Spot{20, 49, kBlack, 60, 1}});
    cell.SetHighlighted(true);
    EXPECT_EQ(surface.Pixel(21, 31), 0xFFFF00);

    cell.SetHighlighted(false);
    cell.SetBevel(false);
    cell.SetForeColor(kRed);
    cell.SetSize(100, 40);
    cell.SetAsterisk(true);
    const int side = gc.LineHeight();
    const InkBox star = surface.FindColor(20, 30, 100, 40, kRed);
    EXPECT_GE(star.left, 120 - side);
    EXPECT_TRUE(star.top >= 66 - side && star.bottom < 66) << star.top << " " << star.bottom;
    cell.SetAsterisk(false);
    ImagePtr icon = SolidPicture(surface.Get(), 6, 4, 0x0000FF);
    for (const auto& [align, left] : {std::pair{0, 23}, {1, 111}, {2, 67}}) {
        cell.SetIcon(icon.get(), 6, 4, align);
        const InkBox drawn = surface.FindColor(20, 30, 100, 40, 0x0000FF);
        EXPECT_EQ(XY(Point{drawn.left, drawn.top}) + " " + std::to_string(drawn.count),
                  XY(Point{left, 48}) + " 24");
    }
}

// Frames; children in panel coordinates, hidden with it; a child back colour paints twice.
TEST_F(ElementDisplayTest, PanelFramesChildrenAndHiding)
{
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
    ExpectSpots(
        {Spot{10, 10, kBlack, 99, 1}, Spot{10, 10, kBlack, 1, 49}, Spot{109, 10, kWhite, 1, 50},
         Spot{10, 59, kWhite, 100, 1}, Spot{12, 12, kGrey, 96, 40}, Spot{10, 70, kWhite, 99, 1},
         Spot{109, 70, kBlack, 1, 50}, Spot{10, 119, kBlack, 100, 1}, Spot{10, 130, kBlack, 100, 1},
         Spot{10, 130, kBlack, 1, 50}, Spot{11, 131, kGrey}, Spot{9, 130, kForm}});
    EXPECT_FALSE(surface.FindColor(12, 132, 96, 10, kRed).Empty());
    CellControl inner(&sunken);
    ShowAt(inner, 10, 10, 30, 20, 0x00FF00);
    inner.Hide();
    EXPECT_EQ(surface.CountOther(20, 20, 30, 20, kForm), 0);  // the form's colour

    std::vector<std::string> journal;
    PanelChildren panel(&surface.Get());
    CellControl label(&panel);
    ShowAt(label, 5, 5, 40, 20, kWhite);
    RecordingChild recorder(&panel, "child", &journal);
    recorder.SetDrawable(true);
    ShowAt(panel, 150, 10, 100, 50, GUIElement::NoBackColor);
    EXPECT_EQ(surface.Pixel(155, 15), kWhite);
    EXPECT_EQ(Application::ElementAt(surface.Get().GetId(), Point{157, 17}), &label);
    panel.Hide();
    EXPECT_FALSE(label.IsCreated() || recorder.IsVisible());
    EXPECT_EQ(surface.CountOther(150, 10, 100, 50, kForm), 0);
    panel.SetChildBackColor(0x00FF00);
    panel.Show();
    journal.clear();
    panel.Paint();
    EXPECT_EQ(journal, (std::vector<std::string>{"child.Paint", "child.Paint"}));
    EXPECT_EQ(surface.Pixel(155, 15), 0x00FF00);
}

// Squares of a strip whose pixel at (x, y) is x * 256 + y, at (30, 40) unless placed elsewhere: a
// square shows its tile, repaints only on change; squares share one image, made again later.
TEST_F(ElementDisplayTest, ImageFrameSquaresShowTheirTilesAndShareOneImage)
{
    std::vector<unsigned char> strip;
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileStripWidth; ++x) {
            strip.insert(strip.end(),
                         {static_cast<unsigned char>(x >> 8), static_cast<unsigned char>(x),
                          static_cast<unsigned char>(y)});
        }
    }
    const auto Square = [&](int tile, int x = 30, int y = 40) {
        auto frame = std::make_unique<ImageFrame>(&surface.Get(), strip.data(), kTileStripWidth,
                                                  kTileSide, tile, 0);
        ShowAt(*frame, x, y, kTileSide, kTileSide, GUIElement::NoBackColor);
        return frame;
    };
    std::unique_ptr<ImageFrame> square = Square(0);
    square->SetCell(5, 0);
    ExpectSpots(
        {Spot{30, 40, 135 * 256}, Spot{43, 50, 148 * 256 + 10}, Spot{56, 66, 161 * 256 + 26}});
    Paint(surface, 30, 40, kTileSide, kTileSide);
    square->SetCell(5, 0);
    for (Point cell : {Point{19, 0}, Point{-1, 0}, Point{100000, 0}, Point{3, 1}}) {
        square->SetCell(cell.x, cell.y);
        EXPECT_EQ(surface.CountOther(30, 40, kTileSide, kTileSide, kMarker), 0) << XY(cell);
    }
    square->SetCell(3, 0);
    EXPECT_EQ(surface.Pixel(30, 40), 81 * 256);
    square->SetCellErase(4, 0, true);
    EXPECT_EQ(surface.Pixel(30, 40), 108 * 256);

    std::vector<std::unique_ptr<ImageFrame>> squares;
    for (int i = 0; i < 3; ++i) {
        squares.push_back(Square(i, 30 * i, 0));
        EXPECT_EQ(squares.back()->GetSheetImage(), square->GetSheetImage());
    }
    ASSERT_NE(square->GetSheetImage(), nullptr);
    squares.clear();
    square.reset();
    const auto later = Square(1, 0, 0);
    EXPECT_EQ(surface.Pixel(13, 13), (27 + 13) * 256 + 13);
}

int deletions = 0;

void Delete(GUIElement* element)
{
    ++deletions;
    delete element;
}

template <typename T>
GUIElement* Commanded(Form* form)
{
    auto* element = new T(form, "X");
    element->SetCommand(Delete);
    return element;
}

const auto Label = [](Form* form) -> GUIElement* { return new CellControl(form); };
const auto Box = [](Form* form) -> GUIElement* { return new TextBoxCustom(form, "a"); };
const auto Release = [](GUIElement* element) { element->MouseUp(Point{25, 35}); };
const auto Space = [](GUIElement* element) { EXPECT_TRUE(element->KeyChar(' ')); };
const auto PressOnTheRight = [](GUIElement* element) { element->MouseDown(Point{138, 40}); };

// An element made with new and what runs its callbacks, which delete it (ASan watches).
struct Deletion {
    const char* name;
    GUIElement* (*make)(Form* form);
    void (*act)(GUIElement* element);
};

const Deletion kDeletions[] = {
    {"MouseUpBeforeDoubleClick", Label, Release},
    {"LostFocusBeforeChange", Label,
     [](GUIElement* e) {
         e->SetText("edited");
         e->LostFocus();
     }},
    {"Close", Label, [](GUIElement* e) { e->Close(); }},
    {"ButtonClick", Commanded<ButtonCustom>, Release},
    {"ButtonReturn", Commanded<ButtonCustom>,
     [](GUIElement* e) { EXPECT_FALSE(e->KeyChar('\r')); }},
    {"CheckBoxClick", Commanded<CheckBox>, Release},
    {"CheckBoxSpace", Commanded<CheckBox>, Space},
    {"OptionBoxSpace",
     [](Form* form) -> GUIElement* {
         auto* box = new OptionBox(form);
         box->AddItem("One", "1");
         box->SetCommand(Delete);
         return box;
     },
     Space},
    {"TextBoxKeyChar", Box, [](GUIElement* e) { EXPECT_TRUE(e->KeyChar('b')); }},
    {"TextBoxKeyDown", Box, [](GUIElement* e) { e->KeyDown(XK_Left); }},
    {"TextBoxMouseUp", Box, Release},
    {"SliderSpace",
     [](Form* form) -> GUIElement* {
         auto* slider = new Slider(form, false, 0, 4);
         slider->SetChangeHandler([](Slider* self, int) { Delete(self); });
         return slider;
     },
     Space},
    {"ScrollBarPress",
     [](Form* form) -> GUIElement* {
         auto* bar = new ScrollBar(form, 0, 200);
         bar->SetScrollHandler([](ScrollBar* self, int64_t) { Delete(self); });
         return bar;
     },
     PressOnTheRight},
};

// Shown at (20, 30) with the focus, each element is deleted once and forgotten everywhere.
TEST_F(ElementDisplayTest, ACallbackMayDeleteTheElementThatRanIt)
{
    for (const Deletion& deletion : kDeletions) {
        SCOPED_TRACE(deletion.name);
        deletions = 0;
        GUIElement* element = deletion.make(&surface.Get());
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
        deletion.act(element);
        EXPECT_EQ(deletions, 1);
        EXPECT_EQ(Application::focused, nullptr);
        EXPECT_TRUE(Application::GetChildren(surface.Get().GetId()).empty());
    }
}

}  // namespace
}  // namespace tarnbrook
