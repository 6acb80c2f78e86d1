#include <gtest/gtest.h>

#include "ui/ImageFrame.h"

#include <memory>
#include <vector>

#include "game/TileFile.h"
#include "gfx/EmbeddedImage.h"
#include "gfx/GraphicsContext.h"
#include "support/OwnerForm.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

using namespace testsupport;

// Squares of the terrain strip at (30, 40).
class ImageFrameDisplayTest : public SurfaceTest {
protected:
    ImageFrameDisplayTest() : SurfaceTest(300, 200) {}
    void SetUp() override
    {
        SurfaceTest::SetUp();
        folder.CopyDataFolder();
        int size = 0;
        ASSERT_TRUE(LoadBinaryFile(kTileFilePath, tiles, size, kTileFileBytes));
    }
    int TilePixel(int stripX, int stripY) const
    {
        const unsigned char* pixel = tiles.data() + 3 * (stripY * kTileStripWidth + stripX);
        return (pixel[0] << 16) | (pixel[1] << 8) | pixel[2];
    }
    std::unique_ptr<ImageFrame> Square(int tile, int x = 30, int y = 40)
    {
        auto frame = std::make_unique<ImageFrame>(&surface.Get(), tiles.data(), kTileStripWidth,
                                                  kTileSide, tile, 0);
        frame->SetPosition(x, y);
        frame->SetSize(kTileSide, kTileSide);
        frame->Show();
        return frame;
    }
    // Pixels of the square that are not the marker.
    int Unmarked() { return surface.CountOther(30, 40, kTileSide, kTileSide, kMarker); }

    ScratchFolder folder;
    std::vector<unsigned char> tiles;
};

// SetCell (5, 0) shows strip columns 135 to 161; squares over one strip share one image of it,
// which outlives none of them.
TEST_F(ImageFrameDisplayTest, ASquareShowsItsTileOfTheStripAndSquaresShareOneImage)
{
    std::unique_ptr<ImageFrame> square = Square(0);
    square->SetCell(5, 0);
    std::vector<int> expected;
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileSide; ++x) {
            expected.push_back(TilePixel(135 + x, y));
        }
    }
    EXPECT_EQ(surface.Area(30, 40, kTileSide, kTileSide), expected);

    std::vector<std::unique_ptr<ImageFrame>> squares;
    for (int i = 0; i < 3; ++i) {
        squares.push_back(Square(i, 30 * i, 0));
        EXPECT_EQ(squares.back()->GetSheetImage(), square->GetSheetImage());
    }
    ASSERT_NE(square->GetSheetImage(), nullptr);
    squares.clear();
    square.reset();
    const auto later = Square(1, 0, 0);
    EXPECT_EQ(surface.Pixel(13, 13), TilePixel(27 + 13, 13));
}

// Nor does a cell outside the strip: column 19 and beyond, negative, or row 1.
TEST_F(ImageFrameDisplayTest, AnUnchangedCellIsNotRepaintedAndCellsOutsideShowNothing)
{
    std::unique_ptr<ImageFrame> square = Square(2);
    Paint(surface, 30, 40, kTileSide, kTileSide);
    square->SetCell(2, 0);
    EXPECT_EQ(Unmarked(), 0);
    for (Point cell : {Point{19, 0}, Point{-1, 0}, Point{100000, 0}, Point{3, 1}}) {
        square->SetCell(cell.x, cell.y);
        EXPECT_EQ(Unmarked(), 0) << XY(cell);
    }
    square->SetCell(3, 0);
    EXPECT_EQ(surface.Pixel(30, 40), TilePixel(81, 0));
}

// In grey without a back colour, else in the form's; nothing around the square is touched.
TEST_F(ImageFrameDisplayTest, HidingErasesExactlyTheAreaInTheContainersColour)
{
    Paint(surface, 20, 30, 50, 50);
    std::unique_ptr<ImageFrame> square = Square(0);
    square->Hide();
    EXPECT_EQ(Unmet(surface, {{30, 40, kGrey, kTileSide, kTileSide},
                              {30 + kTileSide, 40, kMarker},
                              {30, 40 + kTileSide, kMarker}}),
              "");
    surface.Get().SetBackColor(0x224466);
    square->Show();
    square->SetCellErase(4, 0, true);
    EXPECT_EQ(surface.Pixel(30, 40), TilePixel(108, 0));
    square->Hide();
    EXPECT_EQ(surface.Pixel(56, 66), 0x224466);
}

// Two embedded 2 x 2 pictures: palette 0 black, 1 red, 2 green; the first all red with one
// black pixel, the second all green. Entry 2 is past the list. The frame, larger than its
// pictures, is shown before its form has a window and built once it has one.
TEST_F(ImageFrameDisplayTest, TransparentListPicturesShowTheBackColourThroughBlack)
{
    std::vector<unsigned char> first(EmbeddedImageBytes(2, 2), 0);
    first[3] = 0xFF;
    first[7] = 0xFF;
    first[48] = 0x11;
    first[49] = 0x10;
    std::vector<unsigned char> second = first;
    second[48] = 0x22;
    second[49] = 0x22;
    const unsigned char* pictures[] = {first.data(), second.data()};

    surface.Get().SetBackColor(0x336699);
    surface.Get().DestroyWindow();
    ImageFrame frame(&surface.Get(), pictures, 2, 2, 2, 0, 0);
    frame.SetPosition(10, 10);
    frame.SetSize(3, 3);
    frame.SetTransparent(true);
    frame.Show();
    surface.Get().Show();
    ASSERT_TRUE(WaitViewable(surface.GetDisplay(), surface.Get().GetWindow()));
    frame.Paint();
    EXPECT_EQ(surface.Area(10, 10, 2, 2),
              (std::vector<int>{0xFF0000, 0x336699, 0xFF0000, 0xFF0000}));
    frame.SetCell(1, 0);
    EXPECT_EQ(surface.Pixel(11, 10), 0x00FF00);
    Paint(surface, 10, 10, 2, 2);
    frame.SetCell(1, 1);
    EXPECT_EQ(surface.CountOther(10, 10, 2, 2, 0x336699), 0);
}

// A sheet given by the caller is cut by cell and stays the caller's.
TEST_F(ImageFrameDisplayTest, AGivenSheetStaysTheCallersAndIsCutByCell)
{
    ImagePtr sheet = CreateXImage(&surface.Get(), tiles.data(), kTileStripWidth, kTileSide);
    {
        ImageFrame frame(&surface.Get(), sheet.get(), 17, 0);
        frame.SetPosition(100, 100);
        frame.SetSize(kTileSide, kTileSide);
        frame.Show();
        EXPECT_EQ(surface.Pixel(113, 113), TilePixel(17 * 27 + 13, 13));
    }
    GraphicsContext gc(&surface.Get());
    gc.PutImagePart(0, 0, kTileSide, kTileSide, sheet.get(), 18 * kTileSide, 0);
    EXPECT_EQ(surface.Pixel(5, 5), TilePixel(18 * 27 + 5, 5));
}

}  // namespace
}  // namespace tarnbrook
