#include <gtest/gtest.h>

#include "ui/CellControl.h"

#include <string>
#include <vector>

#include "support/RecordingChild.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"
#include "ui/PanelChildren.h"

namespace tarnbrook {
namespace {

using namespace testsupport;

constexpr int kForm = 0x5080B0;

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

    ScratchFolder folder;
};

// Grey with black text centred both ways on a line of at least 15 pixels; an unchanged text
// is not repainted.
TEST_F(CellControlDisplayTest, DefaultsPaintGreyWithBlackTextCentredBothWays)
{
    CellControl cell(&surface.Get());
    ShowCell(cell, 100, 20, "123");
    EXPECT_EQ(Unmet(surface, {{20, 30, kGrey}, {118, 49, kGrey}}), "");
    XFontStruct* font = surface.Get().GetFont().GetFontStruct(surface.GetDisplay());
    int direction, ascent, descent;
    XCharStruct extents;
    XTextExtents(font, "123", 3, &direction, &ascent, &descent, &extents);
    const int lineHeight = std::max(font->ascent + 1, 15);
    const int baseline = 30 + lineHeight - 1 + (20 - lineHeight) / 2;
    const int left = 20 + (100 - extents.width) / 2;
    const InkBox ink = surface.FindColor(20, 30, 100, 20, kBlack);
    EXPECT_EQ(XY(Point{ink.left, ink.top}),
              XY(Point{left + extents.lbearing, baseline - extents.ascent}));
    EXPECT_EQ(XY(Point{ink.right, ink.bottom}),
              XY(Point{left + extents.rbearing - 1, baseline + extents.descent - 1}));

    Paint(surface, 20, 30, 100, 20);
    cell.SetText("123");
    cell.SetTextAlign(TextAlign::Centre);
    cell.SetForeColor(kBlack);
    EXPECT_EQ(surface.CountOther(20, 30, 100, 20, kMarker), 0);
    cell.SetText("other");
    EXPECT_EQ(surface.Pixel(20, 30), kGrey);
}

// Black above and left, white below and right; black all round on white; hidden, in the form's
// colour.
TEST_F(CellControlDisplayTest, TheBevelIsBlackAllRoundOnWhiteAndLightElsewhere)
{
    CellControl cell(&surface.Get());
    cell.SetBevel(true);
    ShowCell(cell, 60, 20);
    EXPECT_EQ(Unmet(surface, {{20, 30, kBlack}, {20, 48, kBlack}, {79, 30, kWhite},
                              {79, 49, kWhite}, {40, 49, kWhite}, {21, 31, kGrey}}), "");
    cell.SetBackColor(kWhite);
    EXPECT_EQ(Unmet(surface, {{79, 30, kBlack, 1, 20}, {20, 49, kBlack, 60, 1}}), "");
    cell.SetHighlighted(true);
    EXPECT_EQ(surface.Pixel(21, 31), 0xFFFF00);
    cell.Hide();
    EXPECT_EQ(surface.CountOther(20, 30, 60, 20, kForm), 0);
}

// Left-aligned text wraps, and lines below the box are dropped.
TEST_F(CellControlDisplayTest, LongTextWrapsAndLinesBelowTheBoxAreDropped)
{
    CellControl cell(&surface.Get());
    cell.SetTextAlign(TextAlign::Left);
    ShowCell(cell, 60, 20, "aaaa bbbb cccc dddd eeee");
    EXPECT_FALSE(surface.FindColor(20, 30, 60, 20, kBlack).Empty());
    EXPECT_EQ(surface.CountOther(20, 50, 100, 30, kForm), 0);
    cell.SetSize(60, 60);
    cell.Paint();
    const InkBox ink = surface.FindColor(20, 30, 60, 60, kBlack);
    EXPECT_GT(ink.bottom, 30 + 2 * 15);  // three lines or more
    EXPECT_LE(ink.right, 79);
}

TEST_F(CellControlDisplayTest, AFramedSunkenPanelHasDarkTopLeftAndLightBottomRight)
{
    PanelChildren panel(&surface.Get());
    panel.SetPosition(10, 10);
    panel.SetSize(100, 50);
    panel.SetFramed(true);
    panel.Show();
    EXPECT_EQ(Unmet(surface, {{10, 10, kBlack, 99, 1}, {10, 10, kBlack, 1, 49},
                              {109, 10, kWhite, 1, 50}, {10, 59, kWhite, 100, 1},
                              {12, 12, kGrey, 96, 40}}), "");
    panel.SetText("Caption");
    panel.SetCaptionColor(0xFF0000);
    panel.Paint();
    EXPECT_FALSE(surface.FindColor(12, 2, 96, 20, 0xFF0000).Empty());
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
