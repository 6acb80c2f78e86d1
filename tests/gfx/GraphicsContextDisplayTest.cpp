#include <gtest/gtest.h>

#include "gfx/GraphicsContext.h"

#include <fcntl.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "gfx/FontDescriptor.h"
#include "gfx/MyImage.h"
#include "gfx/PixelFormat.h"
#include "support/InputDriver.h"
#include "support/ReferencePaint.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"
#include "support/TestData.h"
#include "support/WaitFor.h"
#include "ui/Form.h"

namespace tarnbrook {
namespace {

using testsupport::InkBox;

constexpr int kGrey = 0xAAAAAA;
constexpr int kWhite = 0xFFFFFF;
constexpr int kGreen = 0x00FF00;
constexpr int kInk = 0x123456;
constexpr int kLine = 15;  // the line height of text in the tests' font

// Pixel (x, y) is (10x + 5, 10y + 5, 0x80).
RgbBuffer Gradient(int width, int height)
{
    RgbBuffer rgb(width, height);
    for (int i = 0; i < width * height; ++i) {
        const int x = i % width, y = i / width;
        rgb.SetPixel(x, y, static_cast<unsigned char>(10 * x + 5),
                     static_cast<unsigned char>(10 * y + 5), 0x80);
    }
    return rgb;
}

class GraphicsContextDisplayTest : public testsupport::SurfaceTest {
protected:
    int Width(const std::string& text)
    {
        XFontStruct* font = surface.Get().GetFont().GetFontStruct(surface.GetDisplay());
        return XTextWidth(font, text.data(), static_cast<int>(text.size()));
    }
    // The top and bottom rows of the ink of "Mam" drawn with its baseline at row baseline.
    std::pair<int, int> InkRows(int baseline)
    {
        XFontStruct* font = surface.Get().GetFont().GetFontStruct(surface.GetDisplay());
        int direction, ascent, descent;
        XCharStruct overall;
        XTextExtents(font, "Mam", 3, &direction, &ascent, &descent, &overall);
        return {baseline - overall.ascent, baseline + overall.descent - 1};
    }
    std::pair<int, int> Rows(const InkBox& box) { return {box.top, box.bottom}; }
    // Left, top, right, bottom and count of the pixels of a colour.
    std::vector<int> Ink(int x, int y, int w, int h, int color)
    {
        const InkBox box = surface.FindColor(x, y, w, h, color);
        return {box.left, box.top, box.right, box.bottom, box.count};
    }

    testsupport::ScratchFolder folder;
    GraphicsContext gc{&surface.Get()};
};

// Each drawing reaches the server at once: another connection sees it. Borders go last.
TEST_F(GraphicsContextDisplayTest, EveryDrawingIsSentAtOnce)
{
    testsupport::InputDriver other;
    ImagePtr image = CreateXImage(&surface.Get(), Gradient(4, 3));
    const XPoint triangle[] = {{10, 70}, {50, 70}, {10, 110}, {10, 70}};
    const std::vector<std::tuple<std::function<void()>, int, int, int>> drawings{
        {[&] { gc.DrawPoint(5, 5, kInk); }, 5, 5, kInk},
        {[&] { gc.DrawLine(10, 20, 109, 20, kInk); }, 50, 20, kInk},
        {[&] { gc.DrawRectangle(10, 30, 20, 5, 1, kInk); }, 10, 32, kInk},
        {[&] { gc.FillRectangle(40, 30, 5, 5, 0, GraphicsContext::NoColor, kInk); }, 42, 32, kInk},
        {[&] { gc.FillPolygon(triangle, 4, 0, GraphicsContext::NoColor, kInk); }, 20, 80, kInk},
        {[&] { gc.FillPolygon(triangle, 4, 1, kGreen, kInk); }, 30, 70, kGreen},
        {[&] { gc.FillEllipse(100, 40, 40, 20, 0, GraphicsContext::NoColor, kInk); }, 120, 50,
         kInk},
        {[&] { gc.FillEllipse(100, 40, 40, 20, 1, kGreen, kInk); }, 100, 50, kGreen},
        {[&] { gc.PutImage(150, 10, 0, 0, image.get()); }, 150, 10, 0x050580},
    };
    // Whether another connection sees the colour in the area, waiting a bounded time.
    const auto seen = [&](int x, int y, int w, int h, int color) {
        return testsupport::WaitFor([&] {
            const std::vector<int> area =
                testsupport::ReadArea(other.GetDisplay(), surface.Get().GetWindow(), x, y, w, h)
                    .pixels;
            return std::count(area.begin(), area.end(), color) > 0;
        });
    };
    for (const auto& [draw, x, y, color] : drawings) {
        draw();
        EXPECT_TRUE(seen(x, y, 1, 1, color)) << x << "," << y;
    }
    gc.DrawText(10, 120, 100, 15, "Mam", kInk, GraphicsContext::NoColor, TextAlign::Left);
    EXPECT_TRUE(seen(10, 120, 100, 15, kInk));
}

// A fill's border lies on the edge of its (w-1) x (h-1) area; dashes and widths do not stay.
TEST_F(GraphicsContextDisplayTest, FillCoversOnePixelLessThanTheOutlineAndDashesDoNotStay)
{
    gc.FillRectangle(10, 150, 5, 5, 0, GraphicsContext::NoColor, kInk);
    EXPECT_EQ(Ink(0, 140, 40, 25, kInk), (std::vector<int>{10, 150, 13, 153, 16}));
    gc.DrawRectangle(60, 150, 5, 5, 1, kInk);
    EXPECT_EQ(Ink(50, 140, 40, 25, kInk), (std::vector<int>{60, 150, 64, 154, 16}));
    gc.FillRectangle(100, 150, 6, 6, 1, kGreen, kInk);
    EXPECT_EQ(Ink(90, 140, 40, 25, kGreen), (std::vector<int>{100, 150, 104, 154, 16}));
    EXPECT_EQ(surface.Pixel(105, 155), kGrey);

    gc.DrawLine(10, 20, 109, 20, 1, kInk);
    EXPECT_GT(surface.CountOther(10, 20, 100, 1, kInk), 0);
    gc.DrawLine(10, 30, 109, 30, kInk);
    EXPECT_EQ(surface.CountOther(10, 30, 100, 1, kInk), 0);
    gc.DrawLine(10, 40, 109, 40, 2, kInk);
    gc.DrawRectangle(150, 30, 20, 5, 2, kInk);
    EXPECT_EQ(Ink(140, 20, 40, 25, kInk)[4], 91);  // two pixels wide: 46 when one
    gc.DrawRectangle(10, 50, 100, 5, 1, kInk);
    EXPECT_EQ(surface.CountOther(10, 50, 100, 1, kInk), 0);
    EXPECT_TRUE(surface.FindColor(12, 48, 96, 2, kInk).Empty());  // nor a wide line
    const XPoint square[] = {{150, 60}, {160, 60}, {160, 70}, {150, 70}};
    gc.FillPolygon(square, 4, 0, GraphicsContext::NoColor, kInk);  // no border, no outline
    EXPECT_EQ(Ink(145, 55, 20, 20, kInk)[4], 100);
    gc.FillPolygon(nullptr, 4, 1, kGreen, kInk);  // no points: nothing to draw
    gc.DrawEllipse(10, 80, -5, 20, kGreen);       // nor a negative width
    EXPECT_TRUE(surface.FindColor(0, 60, 240, 80, kGreen).Empty());
}

// One line is centred on a background of w-1 x h, across too; "\n" ends a line, "\n\n" adds none.
TEST_F(GraphicsContextDisplayTest, TextBelowTenPixelsIsNotDrawnOneLineIsCentredNewlinesJoin)
{
    ASSERT_EQ(gc.MeasureTextHeight(100, "Mam"), kLine);
    gc.DrawText(10, 10, 100, 9, "Mam", kInk, kWhite, TextAlign::Left);
    EXPECT_EQ(surface.CountOther(10, 10, 100, 12, kGrey), 0);

    gc.DrawText(10, 40, 100, 10, "Mam", kInk, kWhite, TextAlign::Left);
    EXPECT_EQ(Rows(surface.FindColor(0, 20, 200, 35, kInk)), InkRows(40 + 12));
    EXPECT_EQ(Ink(0, 30, 200, 30, kWhite), (std::vector<int>{10, 40, 108, 49, 937}));

    gc.DrawText(10, 60, 100, 60, "Mam\n", kInk, GraphicsContext::NoColor, TextAlign::Centre);
    EXPECT_EQ(surface.FindColor(0, 55, 200, 60, kInk).top, InkRows(60 + kLine - 1).first);
    EXPECT_EQ(surface.FindColor(0, 55, 115, 60, kInk).left, 49);  // centred
    gc.DrawText(120, 60, 100, 70, "Mam\n\nMam", kInk, GraphicsContext::NoColor, TextAlign::Left);
    EXPECT_EQ(surface.FindColor(115, 55, 120, 90, kInk).bottom, InkRows(60 + 2 * kLine - 1).second);
    EXPECT_EQ(gc.MeasureTextHeight(100, "Mam\n\nMam"), 2 * kLine);
    EXPECT_EQ(gc.MeasureTextHeight(100, "Mam\n"), 2 * kLine);
}

// Words that do not fit move down whole; too narrow a box still ends; no width means no limit.
// Huge boxes or texts end where nothing more can show, instead of running for minutes.
TEST_F(GraphicsContextDisplayTest,
       LongWordsBreakAtTheLastFittingCharacterWordsWrapWholeHugeTextsEnd)
{
    const int m = Width("M");
    gc.DrawText(10, 10, 3 * m + m / 2, 100, "MMMMMMM", kInk, GraphicsContext::NoColor,
                TextAlign::Left);
    EXPECT_EQ(gc.MeasureTextHeight(3 * m + m / 2, "MMMMMMM"), 3 * kLine);
    const InkBox first = surface.FindColor(0, 10, 200, kLine, kInk);
    EXPECT_LT(first.right, 10 + 3 * m);
    EXPECT_GE(first.right, 10 + 2 * m);
    EXPECT_LT(surface.FindColor(0, 10 + 2 * kLine, 200, kLine, kInk).right, 10 + m);
    EXPECT_EQ(gc.MeasureTextHeight(Width("ab abcd") - 1, "ab abcd"), 2 * kLine);
    EXPECT_GT(gc.MeasureTextHeight(1, "MMM"), 0);
    gc.DrawText(10, 60, 0, 20, "MMM", kInk, GraphicsContext::NoColor, TextAlign::Right);
    EXPECT_GE(surface.FindColor(0, 60, 200, 20, kInk).right, 10 + 2 * m);  // no width, no limit

    std::string words;
    for (int i = 0; i < 200000; ++i) {
        words += "MM ";
    }
    words += std::string(200000, 'M');
    gc.DrawText(10, 100, 40, INT_MAX - 100, words, kInk, kWhite, TextAlign::Left);
    gc.DrawText(130, 100, 40, 45, words.substr(0, 60), kInk, kWhite, TextAlign::Left);
    EXPECT_EQ(surface.Area(10, 100, 40, 45), surface.Area(130, 100, 40, 45));
    gc.DrawText(60, 100, 1, INT_MAX - 100, words, kInk, kWhite, TextAlign::Left);
    EXPECT_TRUE(surface.FindColor(60, 100, 1, 80, kInk).Empty());
    EXPECT_GT(gc.MeasureTextHeight(40, words), 0);
}

// A part outside the image draws nothing, one reaching past it is cut; keyed puts of a part work on
// a copy, the sheet keeps its black.
TEST_F(GraphicsContextDisplayTest, PutImageCutsAtTheImageAndKeyedPutsLeaveTheImageUntouched)
{
    ImagePtr image = CreateXImage(&surface.Get(), Gradient(4, 3));
    gc.PutImage(20, 30, 0, 0, image.get());
    gc.PutImagePart(50, 30, 4, 3, image.get(), 4, 0);
    gc.PutImagePart(60, 30, 4, 3, image.get(), 3, 2);
    ExpectSpots({{20, 30, 0x050580}, {23, 32, 0x231980}, {24, 32, kGrey}, {60, 30, 0x231980}});
    EXPECT_EQ(surface.CountOther(50, 30, 8, 3, kGrey), 0);
    EXPECT_EQ(surface.CountOther(60, 30, 10, 5, kGrey), 1);

    gc.FillRectangle(10, 100, 11, 11, 0, 0, kWhite);
    RgbBuffer black(5, 5);
    black.SetPixel(2, 2, 0xFF, 0x00, 0x00);
    ImagePtr keyed = CreateXImage(&surface.Get(), black);
    ImagePtr sheet = CreateXImage(&surface.Get(), black);
    gc.PutImageKeyed(12, 102, 0, 0, keyed.get(), 0);            // no size: the image's
    gc.PutImagePartKeyed(40, 100, 0, 0, sheet.get(), 2, 2, 0);  // no size: to the image's end
    EXPECT_EQ(surface.CountOther(10, 100, 10, 10, kWhite), 1);
    EXPECT_EQ(XGetPixel(keyed.get(), 0, 0) & 0xFFFFFF, static_cast<unsigned long>(kWhite));
    EXPECT_EQ(XGetPixel(sheet.get(), 4, 4) & 0xFFFFFF, 0u);
    gc.PutImageKeyed(-2, -2, 5, 5, sheet.get(), 0);
    gc.PutImagePartKeyed(44, 100, 1, 1, sheet.get(), 2, 2, 0);
    gc.PutImagePartKeyed(46, 100, 1, 1, nullptr, 0, 0, 0);
    EXPECT_EQ(surface.CountOther(46, 100, 5, 3, kGrey), 0);
    ExpectSpots({{14, 104, 0xFF0000},
                 {40, 100, 0xFF0000},
                 {41, 101, kGrey},
                 {0, 0, 0xFF0000},
                 {44, 100, 0xFF0000}});
}

// Areas outside the window or absurd are refused; wrong sizes never read past a picture file.
TEST_F(GraphicsContextDisplayTest, ImagesComeBackFromTheWindowAndFromFiles)
{
    gc.FillRectangle(10, 10, 4, 4, 0, 0, kInk);
    gc.FillRectangle(0, 0, 2, 2, 0, 0, kInk);
    gc.CopyFromDrawable(60, 60, 1, 1, surface.Get().GetWindow(), 0, 0);  // from the first pixel
    EXPECT_EQ(surface.Pixel(60, 60), kInk);
    EXPECT_EQ(gc.GetPixel(0, 0), static_cast<uint32_t>(kInk));
    ImagePtr read = gc.GetImage(9, 9, 5, 5);
    ASSERT_TRUE(read);
    EXPECT_EQ(XGetPixel(read.get(), 1, 1) & 0xFFFFFF, static_cast<unsigned long>(kInk));
    EXPECT_EQ(gc.GetPixel(11, 11), static_cast<uint32_t>(kInk));
    EXPECT_EQ(gc.GetPixel(239, 179), static_cast<uint32_t>(kGrey));  // the last readable pixel
    EXPECT_FALSE(gc.GetImage(230, 170, 20, 20));
    EXPECT_FALSE(gc.GetImage(10, 10, INT_MAX, 5));
    EXPECT_FALSE(gc.GetImage(10, 10, 0, 5));
    gc.CopyFromDrawable(50, 50, 3, 3, surface.Get().GetWindow(), 10, 10);
    gc.CopyFromDrawable(50, 50, INT_MAX, 3, surface.Get().GetWindow(), 10, 10);
    gc.CopyFromDrawable(50, 50, 3, 3, None, 10, 10);  // from nothing: no request, no X error
    gc.PutImageKeyed(INT_MAX - 2, 10, 0, 0, read.get(), 0);
    EXPECT_EQ(surface.FindColor(40, 40, 20, 20, kInk).count, 9);

    folder.Write("pic.bmp", testsupport::ReadTestData("bmp/palette8-6x4.bmp"));
    gc.DrawImageFile(100, 100, 6, 4, 8, "pic.bmp");
    EXPECT_EQ(surface.Area(100, 100, 6, 4),
              testsupport::ListedColours(testsupport::ReadTestData("bmp/palette8-6x4.txt")));
    gc.DrawImageFile(120, 100, 40, 40, 8, "pic.bmp");
    EXPECT_EQ(surface.Pixel(126, 100), kGrey);
    gc.DrawImageFile(140, 100, 6, 4, 16, "pic.bmp");
    gc.DrawImageFile(160, 100, 6, 4, 8, "missing.bmp");
    EXPECT_EQ(surface.CountOther(140, 100, 30, 10, kGrey), 0);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

// Grown before its first paint, the image reads no more than its data (ASan watches); a given image
// stays the caller's.
TEST_F(GraphicsContextDisplayTest, MyImageKeepsItsDataSizeAndLeavesAGivenImageToTheCaller)
{
    const RgbBuffer rgb = Gradient(4, 4);
    MyImage grown(&surface.Get(), rgb.Data(), true, 4, 4);
    grown.SetSize(40, 40);
    grown.Show();
    ASSERT_NE(grown.GetImage(), nullptr);
    EXPECT_EQ(grown.GetImage()->width, 4);

    ImagePtr given = CreateXImage(&surface.Get(), rgb);
    {
        MyImage image(&surface.Get(), rgb.Data(), true, 4, 4);
        image.Show();
        image.SetImage(given.get());
        EXPECT_EQ(image.GetImage(), given.get());
        image.SetImageData(rgb.Data());
        EXPECT_TRUE(image.GetImage() && image.GetImage() != given.get());
        image.SetImage(given.get());
    }
    gc.PutImage(50, 50, 0, 0, given.get());
    EXPECT_EQ(surface.Pixel(53, 53), 0x232380);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

// Whether the server still has the font: querying a freed one fails.
bool ServerHas(Display* display, Font id)
{
    const XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XFontStruct* info = XQueryFont(display, id);
    XSetErrorHandler(previous);
    if (info) {
        XFreeFontInfo(nullptr, info, 1);
    }
    return info != nullptr;
}

// A font replaced by SetFamilyAndSize or SetFont is freed; a copy frees only its own.
TEST(ScreenDisplay, AReplacedFontIsFreed)
{
    Screen screen("title");
    Display* display = screen.GetDisplay();
    FontDescriptor plain;
    const Font first = plain.GetFontStruct(display)->fid;
    FontDescriptor copy(plain);
    EXPECT_FALSE(copy.IsLoaded());
    const Font copied = copy.GetFontStruct(display)->fid;
    plain.SetFamilyAndSize("misc-fixed", 13);
    EXPECT_FALSE(ServerHas(display, first));
    EXPECT_TRUE(ServerHas(display, copied));
    Form form(nullptr);
    const Font formFont = form.GetFont().GetFontStruct(display)->fid;
    form.SetFont(FontDescriptor("misc-fixed", 13));
    EXPECT_FALSE(ServerHas(display, formFont));
}

// Closing takes the fonts and contexts along: nothing is freed through the closed connection
// (libX11 would read freed memory, unseen by ASan). Children do not inherit the connection; a
// hidden window's pixel layout comes from its visual, with no X error.
TEST(ScreenDisplay, AFontAndAContextOutlivingTheirDisplayGoWithIt)
{
    Application::ResetState();
    testsupport::ScratchFolder folder;
    auto screen = std::make_unique<Screen>("title");
    ASSERT_NE(screen->GetDisplay(), nullptr);
    EXPECT_EQ(ScreenWidth(), 1280);
    EXPECT_EQ(fcntl(ConnectionNumber(screen->GetDisplay()), F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
    {
        Form form(nullptr);
        form.SetScreen(screen.get());
        form.Show();
        form.Hide();
        XSync(screen->GetDisplay(), False);
        ProbePixelFormat(&form);
        XSync(screen->GetDisplay(), False);
        EXPECT_EQ(CurrentPixelFormat().bitsPerPixel, 32);
        EXPECT_EQ(MyImage::ixRosso * 100 + MyImage::ixVerde * 10 + MyImage::ixBlu, 210);
        GraphicsContext gc(&form);
        ASSERT_TRUE(gc.IsValid() && form.GetFont().IsLoaded());
        EXPECT_TRUE(screen->Close());
        EXPECT_FALSE(screen->Close());
        EXPECT_FALSE(gc.IsValid());
        EXPECT_FALSE(form.GetFont().IsLoaded());
    }
    screen.reset();
    EXPECT_EQ(ScreenWidth(), 0);  // a destroyed default is not reached
    EXPECT_FALSE(folder.Exists("log.txt")) << folder.Read("log.txt");
}

}  // namespace
}  // namespace tarnbrook
