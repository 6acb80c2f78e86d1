#include <gtest/gtest.h>

#include "gfx/GraphicsContext.h"

#include <climits>
#include <string>

#include "app/Application.h"
#include "gfx/MyImage.h"
#include "gfx/PixelFormat.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"
#include "support/TestData.h"

namespace tarnbrook {
namespace {

using testsupport::InkBox;

constexpr int kGrey = 0xAAAAAA;
constexpr int kWhite = 0xFFFFFF;
constexpr int kInk = 0x123456;
constexpr int kLine = 15;  // the line height of text in the tests' font

class GraphicsContextDisplayTest : public testsupport::SurfaceTest {
protected:
    XFontStruct* ProgramFont()
    {
        return surface.Get().GetFont().GetFontStruct(surface.GetDisplay());
    }
    int Width(const std::string& text)
    {
        return XTextWidth(ProgramFont(), text.data(), static_cast<int>(text.size()));
    }
    // The rows a text's ink covers when drawn with its baseline at row baseline.
    void InkRows(const std::string& text, int baseline, int& top, int& bottom)
    {
        int direction, ascent, descent;
        XCharStruct overall;
        XTextExtents(ProgramFont(), text.data(), static_cast<int>(text.size()), &direction, &ascent,
                     &descent, &overall);
        top = baseline - overall.ascent;
        bottom = baseline + overall.descent - 1;
    }
    // Left, top, right, bottom and count of the pixels of a colour.
    std::vector<int> Ink(int x, int y, int w, int h, int color)
    {
        const InkBox box = surface.FindColor(x, y, w, h, color);
        return {box.left, box.top, box.right, box.bottom, box.count};
    }

    testsupport::ScratchFolder folder;
};

TEST_F(GraphicsContextDisplayTest, FillCoversOnePixelLessEachWayThanTheOutline)
{
    GraphicsContext gc(&surface.Get());
    gc.FillRectangle(10, 10, 5, 5, 0, GraphicsContext::NoColor, kInk);
    EXPECT_EQ(Ink(0, 0, 40, 40, kInk), (std::vector<int>{10, 10, 13, 13, 16}));
    gc.DrawRectangle(60, 10, 5, 5, 1, kInk);
    EXPECT_EQ(Ink(50, 0, 40, 40, kInk), (std::vector<int>{60, 10, 64, 14, 16}));

    // A border on a fill lies on the edge of the (w-1) x (h-1) area.
    gc.FillRectangle(100, 10, 6, 6, 1, 0x00FF00, kInk);
    EXPECT_EQ(surface.FindColor(90, 0, 40, 40, 0x00FF00).right, 104);
    EXPECT_EQ(surface.Pixel(105, 15), kGrey);
}

TEST_F(GraphicsContextDisplayTest, DashedLinesLeaveTheNextLineSolidAndShapesFillTheirInside)
{
    GraphicsContext gc(&surface.Get());
    gc.DrawLine(10, 20, 109, 20, 1, kInk);
    EXPECT_GT(surface.CountOther(10, 20, 100, 1, kInk), 0);
    gc.DrawLine(10, 30, 109, 30, kInk);
    EXPECT_EQ(surface.CountOther(10, 30, 100, 1, kInk), 0);
    gc.DrawLine(10, 40, 109, 40, 2, kInk);
    gc.DrawRectangle(10, 50, 100, 5, 1, kInk);
    EXPECT_EQ(surface.CountOther(10, 50, 100, 1, kInk), 0);

    const XPoint triangle[] = {{10, 70}, {50, 70}, {10, 110}, {10, 70}};
    gc.FillPolygon(triangle, 4, 1, 0x00FF00, kInk);
    EXPECT_EQ(surface.Pixel(20, 80), kInk);
    EXPECT_EQ(surface.Pixel(45, 105), kGrey);
    EXPECT_EQ(surface.Pixel(30, 70), 0x00FF00);

    gc.FillEllipse(100, 10, 40, 20, 1, 0x00FF00, kInk);
    EXPECT_EQ(surface.Pixel(120, 20), kInk);
    EXPECT_EQ(surface.Pixel(101, 11), kGrey);
    EXPECT_EQ(surface.Pixel(100, 20), 0x00FF00);
}

TEST_F(GraphicsContextDisplayTest, TextBelowTenPixelsIsNotDrawnAndOneLineIsCentred)
{
    GraphicsContext gc(&surface.Get());
    ASSERT_EQ(gc.MeasureTextHeight(100, "Mam"), kLine);
    gc.DrawText(10, 10, 100, 9, "Mam", kInk, kWhite, TextAlign::Left);
    EXPECT_EQ(surface.CountOther(10, 10, 100, 12, kGrey), 0);

    gc.DrawText(10, 40, 100, 10, "Mam", kInk, kWhite, TextAlign::Left);
    int top, bottom;
    InkRows("Mam", 40 + 12, top, bottom);  // baseline y + 14 + (10 - 15) / 2
    const InkBox ink = surface.FindColor(0, 20, 200, 50, kInk);
    EXPECT_EQ(ink.top, top);
    EXPECT_EQ(ink.bottom, bottom);
    // The background covers w-1 x h pixels.
    EXPECT_EQ(surface.FindColor(0, 30, 200, 30, kWhite).right, 108);
    EXPECT_EQ(surface.FindColor(0, 30, 200, 30, kWhite).bottom, 49);
}

TEST_F(GraphicsContextDisplayTest, TextEndingInANewlineStartsAtTheTopAndDoubleNewlinesJoin)
{
    GraphicsContext gc(&surface.Get());
    gc.DrawText(10, 10, 100, 60, "Mam\n", kInk, GraphicsContext::NoColor, TextAlign::Left);
    int top, bottom;
    InkRows("Mam", 10 + kLine - 1, top, bottom);
    EXPECT_EQ(surface.FindColor(0, 0, 200, 80, kInk).top, top);

    gc.DrawText(10, 100, 100, 70, "Mam\n\nMam", kInk, GraphicsContext::NoColor, TextAlign::Left);
    const InkBox both = surface.FindColor(0, 90, 200, 90, kInk);
    InkRows("Mam", 100 + 2 * kLine - 1, top, bottom);
    EXPECT_EQ(both.bottom, bottom) << "the second text line follows the first at once";
    EXPECT_EQ(gc.MeasureTextHeight(100, "Mam\n\nMam"), 2 * kLine);
    EXPECT_EQ(gc.MeasureTextHeight(100, "Mam\n"), 2 * kLine);
}

TEST_F(GraphicsContextDisplayTest, LongWordsBreakAtTheLastFittingCharacterAndWordsWrapWhole)
{
    const int m = Width("M");
    GraphicsContext gc(&surface.Get());
    gc.DrawText(10, 10, 3 * m + m / 2, 100, "MMMMMMM", kInk, GraphicsContext::NoColor,
                TextAlign::Left);
    EXPECT_EQ(gc.MeasureTextHeight(3 * m + m / 2, "MMMMMMM"), 3 * kLine);
    const InkBox first = surface.FindColor(0, 10, 200, kLine, kInk);
    const InkBox third = surface.FindColor(0, 10 + 2 * kLine, 200, kLine, kInk);
    EXPECT_LT(first.right, 10 + 3 * m);
    EXPECT_GE(first.right, 10 + 2 * m);
    EXPECT_LT(third.right, 10 + m) << "one M left for the third line";

    // A word that does not fit moves to the next line whole.
    const int width = Width("ab abcd") - 1;
    EXPECT_EQ(gc.MeasureTextHeight(width, "ab abcd"), 2 * kLine);
    // A box narrower than any character still ends.
    EXPECT_GT(gc.MeasureTextHeight(1, "MMM"), 0);
}

TEST_F(GraphicsContextDisplayTest, CentredLinesTurnLeftFromTheFirstShortenedLine)
{
    const int m = Width("M");
    GraphicsContext gc(&surface.Get());
    gc.DrawText(10, 10, 6 * m, 150, "MM\nMMMMMMMMMM\nMM", kInk, GraphicsContext::NoColor,
                TextAlign::Centre);
    const InkBox centred = surface.FindColor(0, 10, 220, kLine, kInk);
    const InkBox shortened = surface.FindColor(0, 10 + kLine, 220, kLine, kInk);
    const InkBox after = surface.FindColor(0, 10 + 2 * kLine, 220, kLine, kInk);
    const InkBox last = surface.FindColor(0, 10 + 3 * kLine, 220, kLine, kInk);
    ASSERT_FALSE(last.Empty());
    EXPECT_EQ(centred.left - shortened.left, 2 * m);
    EXPECT_EQ(after.left, shortened.left);
    EXPECT_EQ(last.left, shortened.left);
}

// A long text in a box taller than X can address, or narrower than a character, ends where
// nothing more can show instead of measuring and drawing line after line for minutes.
TEST_F(GraphicsContextDisplayTest, HugeTextsAndBoxesEndWhereNothingMoreCanShow)
{
    std::string words;
    for (int i = 0; i < 200000; ++i) {
        words += "MM ";
    }
    words += std::string(200000, 'M');
    GraphicsContext gc(&surface.Get());
    gc.DrawText(10, 10, 40, INT_MAX - 100, words, kInk, kWhite, TextAlign::Left);
    gc.DrawText(130, 10, 40, 45, words.substr(0, 60), kInk, kWhite, TextAlign::Left);
    EXPECT_EQ(surface.Area(10, 10, 40, 45), surface.Area(130, 10, 40, 45));
    gc.DrawText(60, 10, 1, INT_MAX - 100, words, kInk, kWhite, TextAlign::Left);
    EXPECT_TRUE(surface.FindColor(60, 10, 1, 100, kInk).Empty());
    EXPECT_GT(gc.MeasureTextHeight(40, words), 0);
}

TEST_F(GraphicsContextDisplayTest, PutImageWithZeroSizesDrawsTheWholeImage)
{
    RgbBuffer rgb(4, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            rgb.SetPixel(x, y, 0x10, static_cast<unsigned char>(x * 40),
                         static_cast<unsigned char>(y * 40));
        }
    }
    ImagePtr image = CreateXImage(&surface.Get(), rgb);
    ASSERT_TRUE(image);
    GraphicsContext gc(&surface.Get());
    gc.PutImage(20, 30, 0, 0, image.get());
    EXPECT_EQ(surface.Pixel(20, 30), 0x100000);
    EXPECT_EQ(surface.Pixel(23, 32), 0x107850);
    EXPECT_EQ(surface.Pixel(24, 32), kGrey);

    // A part from outside the image draws nothing; one reaching past it is cut at its edge.
    gc.PutImagePart(50, 30, 4, 3, image.get(), 4, 0);
    gc.PutImagePart(60, 30, 4, 3, image.get(), 3, 2);
    EXPECT_EQ(surface.CountOther(50, 30, 8, 3, kGrey), 0);
    EXPECT_EQ(surface.Pixel(60, 30), 0x107850);
    EXPECT_EQ(surface.CountOther(60, 30, 10, 5, kGrey), 1);
}

TEST_F(GraphicsContextDisplayTest, KeyedPutOfABlackImageOverWhiteLeavesTheImageWhite)
{
    GraphicsContext gc(&surface.Get());
    gc.FillRectangle(10, 10, 11, 11, 0, 0, kWhite);
    RgbBuffer black(5, 5);
    black.SetPixel(2, 2, 0xFF, 0x00, 0x00);
    ImagePtr image = CreateXImage(&surface.Get(), black);
    gc.PutImageKeyed(12, 12, 5, 5, image.get(), 0);
    EXPECT_EQ(surface.CountOther(10, 10, 10, 10, kWhite), 1);
    EXPECT_EQ(surface.Pixel(14, 14), 0xFF0000);
    EXPECT_EQ(XGetPixel(image.get(), 0, 0) & 0xFFFFFF, static_cast<unsigned long>(kWhite));

    // A keyed part is cut from a copy: the sheet keeps its black.
    ImagePtr sheet = CreateXImage(&surface.Get(), black);
    gc.PutImagePartKeyed(40, 40, 3, 3, sheet.get(), 2, 2, 0);
    EXPECT_EQ(surface.Pixel(40, 40), 0xFF0000);
    EXPECT_EQ(surface.Pixel(41, 41), kGrey);
    EXPECT_EQ(XGetPixel(sheet.get(), 4, 4) & 0xFFFFFF, 0u);
    // Partly outside the window: the visible part is still drawn.
    gc.PutImageKeyed(-2, -2, 5, 5, sheet.get(), 0);
    EXPECT_EQ(surface.Pixel(0, 0), 0xFF0000);
}

TEST_F(GraphicsContextDisplayTest, ImagesComeBackFromTheWindowAndFromFiles)
{
    GraphicsContext gc(&surface.Get());
    gc.FillRectangle(10, 10, 4, 4, 0, 0, kInk);
    ImagePtr read = gc.GetImage(9, 9, 5, 5);
    ASSERT_TRUE(read);
    EXPECT_EQ(XGetPixel(read.get(), 1, 1) & 0xFFFFFF, static_cast<unsigned long>(kInk));
    EXPECT_EQ(gc.GetPixel(11, 11), static_cast<uint32_t>(kInk));
    EXPECT_FALSE(gc.GetImage(230, 170, 20, 20)) << "reaches outside the window";
    EXPECT_FALSE(gc.GetImage(10, 10, INT_MAX, 5)) << "an absurd size";

    gc.CopyFromDrawable(50, 50, 3, 3, surface.Get().GetWindow(), 10, 10);
    gc.CopyFromDrawable(50, 50, INT_MAX, 3, surface.Get().GetWindow(), 10, 10);
    gc.PutImageKeyed(INT_MAX - 2, 10, 0, 0, read.get(), 0);
    EXPECT_EQ(surface.FindColor(40, 40, 20, 20, kInk).count, 9);

    folder.Write("pic.bmp", testsupport::ReadTestData("bmp/palette8-6x4.bmp"));
    const testsupport::PixelListing listing =
        testsupport::ParsePixelListing(testsupport::ReadTestData("bmp/palette8-6x4.txt"));
    gc.DrawImageFile(100, 100, 6, 4, 8, "pic.bmp");
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(surface.Pixel(100 + x, 100 + y), listing.At(x, y)) << x << "," << y;
        }
    }
    // Wrong sizes never read past the picture; a missing file or bit count draws nothing.
    gc.DrawImageFile(120, 100, 40, 40, 8, "pic.bmp");
    EXPECT_EQ(surface.Pixel(126, 100), kGrey);
    gc.DrawImageFile(140, 100, 6, 4, 16, "pic.bmp");
    gc.DrawImageFile(160, 100, 6, 4, 8, "missing.bmp");
    EXPECT_EQ(surface.CountOther(140, 100, 30, 10, kGrey), 0);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

TEST_F(GraphicsContextDisplayTest, ProbeOnA24BitServerFindsTheUsualLayoutAndLogsNothing)
{
    ProbePixelFormat(&surface.Get());
    EXPECT_EQ(CurrentPixelFormat().depth, 24);
    EXPECT_EQ(CurrentPixelFormat().bitsPerPixel, 32);
    EXPECT_EQ(MyImage::ixRosso, 2);
    EXPECT_EQ(MyImage::ixVerde, 1);
    EXPECT_EQ(MyImage::ixBlu, 0);
    EXPECT_EQ(surface.Pixel(0, 0), 0xCF3B76);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

TEST_F(GraphicsContextDisplayTest, AFontThatCannotBeLoadedIsReportedOnceAndTextStillShows)
{
    surface.Get().SetFont(FontDescriptor("no-such-family-anywhere"));
    for (int paint = 0; paint < 3; ++paint) {
        GraphicsContext gc(&surface.Get());
        gc.DrawText(10, 10 + 20 * paint, 100, 15, "Mam", kInk, GraphicsContext::NoColor,
                    TextAlign::Left);
    }
    EXPECT_FALSE(surface.FindColor(0, 50, 200, 30, kInk).Empty());
    EXPECT_EQ(folder.Read("log.txt"), "XLoadQueryFont failed\n");
}

TEST_F(GraphicsContextDisplayTest, WithoutAWindowNothingIsDrawnAndXIsNotCalled)
{
    Form unshown(nullptr);
    unshown.SetScreen(&surface.GetScreen());
    GraphicsContext gc(&unshown);
    EXPECT_FALSE(gc.IsValid());
    gc.FillRectangle(0, 0, 50, 50, 1, 0, kInk);
    gc.DrawText(0, 0, 50, 50, "text", kInk, kWhite, TextAlign::Left);
    gc.DrawPoint(1, 1, kInk);
    gc.PutImage(0, 0, 0, 0, nullptr);
    EXPECT_EQ(gc.MeasureTextHeight(10, "text"), 0);
    EXPECT_FALSE(gc.GetImage(0, 0, 5, 5));
    EXPECT_EQ(folder.Read("log.txt"), "Errore nella creazione del GC\n");
}

}  // namespace
}  // namespace tarnbrook
