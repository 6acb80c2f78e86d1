#include <gtest/gtest.h>

#include "ui/CellControl.h"

#include <string>
#include <vector>

#include "gfx/GraphicsContext.h"
#include "support/RecordingChild.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"
#include "ui/PanelChildren.h"

namespace tarnbrook {
namespace {

constexpr int kGrey = 0xAAAAAA;
constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;
constexpr int kMarker = 0x13579B;

class CellControlDisplayTest : public testsupport::SurfaceTest {
protected:
    CellControlDisplayTest() : SurfaceTest(300, 200, 0x5080B0) {}

    // A cell at (20, 30) of the size, shown.
    void ShowCell(CellControl& cell, int w, int h, const std::string& text = "")
    {
        cell.SetPosition(20, 30);
        cell.SetSize(w, h);
        cell.SetText(text);
        cell.Show();
    }
    XFontStruct* ProgramFont() { return surface.Get().GetFont().GetFontStruct(surface.GetDisplay()); }
    void Mark(int x, int y, int w, int h)
    {
        GraphicsContext gc(&surface.Get());
        gc.FillRectangle(x, y, w + 1, h + 1, 0, 0, kMarker);
    }

    testsupport::ScratchFolder folder;
};

TEST_F(CellControlDisplayTest, DefaultsPaintGreyWithBlackTextCentredBothWays)
{
    CellControl cell(&surface.Get());
    ShowCell(cell, 100, 20, "123");
    EXPECT_EQ(surface.Pixel(20, 30), kGrey);
    EXPECT_EQ(surface.Pixel(118, 49), kGrey);

    int direction, ascent, descent;
    XCharStruct extents;
    XTextExtents(ProgramFont(), "123", 3, &direction, &ascent, &descent, &extents);
    const int lineHeight = std::max(ProgramFont()->ascent + 1, 15);
    const int baseline = 30 + lineHeight - 1 + (20 - lineHeight) / 2;
    const int left = 20 + (100 - extents.width) / 2;
    const testsupport::InkBox ink = surface.FindColor(20, 30, 100, 20, kBlack);
    EXPECT_EQ(ink.top, baseline - extents.ascent);
    EXPECT_EQ(ink.bottom, baseline + extents.descent - 1);
    EXPECT_EQ(ink.left, left + extents.lbearing);
    EXPECT_EQ(ink.right, left + extents.rbearing - 1);

    // An unchanged text is not repainted.
    Mark(20, 30, 100, 20);
    cell.SetText("123");
    cell.SetTextAlign(2);
    cell.SetForeColor(kBlack);
    EXPECT_EQ(surface.CountOther(20, 30, 100, 20, kMarker), 0);
    cell.SetText("other");
    EXPECT_EQ(surface.Pixel(20, 30), kGrey);
}

TEST_F(CellControlDisplayTest, TheBevelIsBlackAllRoundOnWhiteAndLightElsewhere)
{
    CellControl cell(&surface.Get());
    cell.SetBevel(true);
    ShowCell(cell, 60, 20);
    EXPECT_EQ(surface.Pixel(20, 30), kBlack);
    EXPECT_EQ(surface.Pixel(20, 48), kBlack);
    EXPECT_EQ(surface.Pixel(79, 30), kWhite);
    EXPECT_EQ(surface.Pixel(79, 49), kWhite);
    EXPECT_EQ(surface.Pixel(40, 49), kWhite);
    EXPECT_EQ(surface.Pixel(21, 31), kGrey);

    cell.SetBackColor(kWhite);
    EXPECT_EQ(surface.CountOther(79, 30, 1, 20, kBlack), 0);
    EXPECT_EQ(surface.CountOther(20, 49, 60, 1, kBlack), 0);

    cell.SetHighlighted(true);
    EXPECT_EQ(surface.Pixel(21, 31), 0xFFFF00);

    cell.Hide();  // in the form's colour
    EXPECT_FALSE(cell.IsCreated());
    EXPECT_EQ(surface.CountOther(20, 30, 60, 20, 0x5080B0), 0);
}

TEST_F(CellControlDisplayTest, LongTextWrapsAndLinesBelowTheBoxAreDropped)
{
    CellControl cell(&surface.Get());
    cell.SetTextAlign(0);
    ShowCell(cell, 60, 20, "aaaa bbbb cccc dddd eeee");
    EXPECT_FALSE(surface.FindColor(20, 30, 60, 20, kBlack).Empty());
    EXPECT_EQ(surface.CountOther(20, 50, 100, 30, 0x5080B0), 0) << "nothing below the cell";

    cell.SetSize(60, 60);
    cell.Paint();
    const testsupport::InkBox ink = surface.FindColor(20, 30, 60, 60, kBlack);
    EXPECT_GT(ink.bottom, 30 + 2 * 15) << "three lines or more";
    EXPECT_LE(ink.right, 79);
}

TEST_F(CellControlDisplayTest, AFramedSunkenPanelHasDarkTopLeftAndLightBottomRight)
{
    PanelChildren panel(&surface.Get());
    panel.SetPosition(10, 10);
    panel.SetSize(100, 50);
    panel.SetFramed(true);
    panel.Show();
    EXPECT_EQ(surface.CountOther(10, 10, 99, 1, kBlack), 0);
    EXPECT_EQ(surface.CountOther(10, 10, 1, 49, kBlack), 0);
    EXPECT_EQ(surface.CountOther(109, 10, 1, 50, kWhite), 0);
    EXPECT_EQ(surface.CountOther(10, 59, 100, 1, kWhite), 0);
    EXPECT_EQ(surface.Pixel(50, 30), kGrey);
    EXPECT_EQ(surface.CountOther(12, 12, 96, 12, kGrey), 0) << "no caption, no text";

    panel.SetText("Caption");
    panel.SetCaptionColor(0xFF0000);
    panel.Paint();
    EXPECT_FALSE(surface.FindColor(12, 2, 96, 20, 0xFF0000).Empty());
}

TEST_F(CellControlDisplayTest, HidingAPanelHidesItsChildrenFirstThenClearsItsWholeArea)
{
    std::vector<std::string> journal;
    PanelChildren panel(&surface.Get());
    panel.SetPosition(10, 10);
    panel.SetSize(100, 50);
    CellControl label(&panel);
    label.SetPosition(5, 5);
    label.SetSize(40, 20);
    label.SetText("in");
    label.SetBackColor(kWhite);
    testsupport::RecordingChild recorder(&panel, "child", &journal);
    recorder.SetDrawable(true);
    panel.Show();
    EXPECT_EQ(surface.Pixel(15, 15), kWhite) << "the label sits in the panel's coordinates";
    EXPECT_EQ(Application::ElementAt(surface.Get().GetId(), Point{17, 17}), &label);

    panel.Hide();
    EXPECT_FALSE(label.IsCreated());
    EXPECT_FALSE(recorder.IsVisible());
    EXPECT_EQ(surface.CountOther(10, 10, 100, 50, 0x5080B0), 0);

    // With a child back colour, each created child is painted twice per panel paint.
    panel.SetChildBackColor(0x00FF00);
    panel.Show();
    journal.clear();
    panel.Paint();
    EXPECT_EQ(journal, (std::vector<std::string>{"child.Paint", "child.Paint"}));
    EXPECT_EQ(surface.Pixel(15, 15), 0x00FF00);
}

}  // namespace
}  // namespace tarnbrook
