#include <gtest/gtest.h>

#include "ui/CellControl.h"

#include <string>
#include <vector>

#include "gfx/GraphicsContext.h"
#include "support/RecordingChild.h"
#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"
#include "ui/PanelChildren.h"

namespace tarnbrook {
namespace {

using namespace testsupport;

constexpr int kForm = 0x5080B0;
constexpr int kRed = 0xFF0000;

class CellControlDisplayTest : public SurfaceTest {
protected:
    CellControlDisplayTest() : SurfaceTest(300, 200, kForm) {}

    // The cell at (20, 30), shown in its own colours.
    void ShowCell(CellControl& cell, int w, int h, const std::string& text = "")
    {
        cell.SetPosition(20, 30);
        cell.SetSize(w, h);
        cell.SetText(text);
        cell.Show();
    }
    // The cell at (20, 30) shows the text as DrawText paints it in the same box at (150, 100),
    // which leaves the last column alone.
    bool PaintedAsDrawText(int w, int h, const std::string& text, int64_t fg, int64_t bg,
                           TextAlign align)
    {
        GraphicsContext gc(&surface.Get());
        gc.DrawText(150, 100, w, h, text, fg, bg, align);
        return surface.Area(20, 30, w - 1, h) == surface.Area(150, 100, w - 1, h);
    }
};

// Black text on grey, centred, as DrawText paints it; another alignment and colour as asked;
// a setter given what the cell already has repaints nothing.
TEST_F(CellControlDisplayTest, TheTextIsPaintedLikeDrawTextAndOnlyChangesRepaint)
{
    CellControl cell(&surface.Get());
    ShowCell(cell, 100, 20, "123");
    EXPECT_TRUE(PaintedAsDrawText(100, 20, "123", kBlack, kGrey, TextAlign::Centre));
    Paint(surface, 20, 30, 100, 20);
    cell.SetText("123");
    cell.SetTextAlign(TextAlign::Centre);
    cell.SetForeColor(kBlack);
    EXPECT_EQ(surface.CountOther(20, 30, 100, 20, kMarker), 0);
    cell.SetTextAlign(TextAlign::Left);
    cell.SetForeColor(kRed);
    cell.SetText("aaaa bbbb cccc dddd eeee");
    EXPECT_TRUE(
        PaintedAsDrawText(100, 20, "aaaa bbbb cccc dddd eeee", kRed, kGrey, TextAlign::Left));
}

// Black above and left, white below and right; black all round on white; highlighted in
// yellow; hidden, in the form's colour even inside a panel of another.
TEST_F(CellControlDisplayTest, TheBevelHighlightAndHidingColours)
{
    CellControl cell(&surface.Get());
    cell.SetBevel(true);
    ShowCell(cell, 60, 20);
    EXPECT_EQ(Unmet(surface, {{20, 30, kBlack},
                              {20, 48, kBlack},
                              {79, 30, kWhite},
                              {79, 49, kWhite},
                              {40, 49, kWhite},
                              {21, 31, kGrey}}),
              "");
    cell.SetBackColor(kWhite);
    EXPECT_EQ(Unmet(surface, {{79, 30, kBlack, 1, 20}, {20, 49, kBlack, 60, 1}}), "");
    cell.SetHighlighted(true);
    EXPECT_EQ(surface.Pixel(21, 31), 0xFFFF00);

    PanelChildren panel(&surface.Get());
    panel.SetBackColor(0x00FF00);
    ShowAt(panel, 100, 100, 80, 40, 0x00FF00);
    CellControl inner(&panel);
    inner.SetPosition(10, 10);
    inner.SetSize(30, 20);
    inner.Show();
    inner.Hide();
    EXPECT_EQ(Unmet(surface, {{110, 110, kForm, 30, 20}, {109, 109, 0x00FF00}}), "");
}

// The asterisk is drawn centred in the line-high square at the bottom right, four pixels up, in
// the text's colours; the icon is 3 pixels in on the left or right, or centred, and centred
// vertically.
TEST_F(CellControlDisplayTest, TheAsteriskAndTheIconHaveTheirPlaces)
{
    CellControl cell(&surface.Get());
    cell.SetForeColor(kRed);
    cell.SetBackColor(kWhite);
    ShowCell(cell, 100, 40);
    cell.SetAsterisk(true);
    GraphicsContext gc(&surface.Get());
    const int side = gc.LineHeight();
    gc.DrawText(150, 100, side, side, "*", kRed, kWhite, TextAlign::Centre);
    const int starX = 20 + 100 - side;
    const int starY = 30 + 40 - side - 4;
    EXPECT_EQ(surface.Area(starX, starY, side - 1, side), surface.Area(150, 100, side - 1, side));
    EXPECT_EQ(surface.CountOther(20, 30, 99, 40, kWhite),
              surface.FindColor(starX, starY, side, side, kRed).count);
    cell.SetAsterisk(false);

    std::vector<unsigned char> blue(6 * 4 * 3, 0);
    for (size_t i = 2; i < blue.size(); i += 3) {
        blue[i] = 0xFF;
    }
    ImagePtr icon = CreateXImage(&surface.Get(), blue.data(), 6, 4);
    for (const auto& [align, left] : {std::pair{0, 23}, {1, 111}, {2, 67}}) {
        cell.SetIcon(icon.get(), 6, 4, align);
        const InkBox drawn = surface.FindColor(20, 30, 100, 40, 0x0000FF);
        EXPECT_EQ(XY(Point{drawn.left, drawn.top}), XY(Point{left, 48})) << align;
        EXPECT_EQ(drawn.count, 24);
    }
}

// Framed, dark top and left; raised, light there; a flat frame is black all round.
TEST_F(CellControlDisplayTest, PanelFramesAndCaption)
{
    const auto shown = [this](PanelChildren& panel, int y) -> PanelChildren& {
        panel.SetPosition(10, y);
        panel.SetSize(100, 50);
        panel.Show();
        return panel;
    };
    PanelChildren sunken(&surface.Get());
    sunken.SetFramed(true);
    shown(sunken, 10);
    EXPECT_EQ(Unmet(surface, {{10, 10, kBlack, 99, 1},
                              {10, 10, kBlack, 1, 49},
                              {109, 10, kWhite, 1, 50},
                              {10, 59, kWhite, 100, 1},
                              {12, 12, kGrey, 96, 40}}),
              "");
    PanelChildren raised(&surface.Get());
    raised.SetSunken(false);
    shown(raised, 70);
    EXPECT_EQ(Unmet(surface, {{10, 70, kWhite, 99, 1},
                              {10, 70, kWhite, 1, 49},
                              {109, 70, kBlack, 1, 50},
                              {10, 119, kBlack, 100, 1}}),
              "");
    PanelChildren flat(&surface.Get());
    flat.SetFlatFrame(true);
    flat.SetText("Caption");
    flat.SetCaptionColor(kRed);
    shown(flat, 130);
    EXPECT_EQ(Unmet(surface, {{10, 130, kBlack, 100, 1},
                              {10, 130, kBlack, 1, 50},
                              {11, 131, kGrey},
                              {9, 130, kForm}}),
              "");
    EXPECT_FALSE(surface.FindColor(12, 132, 96, 10, kRed).Empty());
}

// Children sit in the panel's coordinates and are found there; hiding the panel hides them
// first, then clears its whole area; with a child back colour each child is painted twice.
TEST_F(CellControlDisplayTest, HidingAPanelHidesItsChildrenFirstThenClearsItsWholeArea)
{
    std::vector<std::string> journal;
    PanelChildren panel(&surface.Get());
    panel.SetPosition(10, 10);
    panel.SetSize(100, 50);
    CellControl label(&panel);
    label.SetPosition(5, 5);
    label.SetSize(40, 20);
    label.SetBackColor(kWhite);
    RecordingChild recorder(&panel, "child", &journal);
    recorder.SetDrawable(true);
    panel.Show();
    EXPECT_EQ(surface.Pixel(15, 15), kWhite);
    EXPECT_EQ(Application::ElementAt(surface.Get().GetId(), Point{17, 17}), &label);

    panel.Hide();
    EXPECT_FALSE(label.IsCreated() || recorder.IsVisible());
    EXPECT_EQ(surface.CountOther(10, 10, 100, 50, kForm), 0);

    panel.SetChildBackColor(0x00FF00);
    panel.Show();
    journal.clear();
    panel.Paint();
    EXPECT_EQ(journal, (std::vector<std::string>{"child.Paint", "child.Paint"}));
    EXPECT_EQ(surface.Pixel(15, 15), 0x00FF00);
}

}  // namespace
}  // namespace tarnbrook
