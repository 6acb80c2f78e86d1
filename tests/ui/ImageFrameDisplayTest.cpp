#include <gtest/gtest.h>

#include "ui/ImageFrame.h"

#include <memory>
#include <vector>

#include "game/TileFile.h"
#include "gfx/EmbeddedImage.h"
#include "gfx/GraphicsContext.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"

namespace tarnbrook {
namespace {

constexpr int kMarker = 0x13579B;

class ImageFrameDisplayTest : public testsupport::SurfaceTest {
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
    std::unique_ptr<ImageFrame> Square(int x, int y, int tile)
    {
        auto frame = std::make_unique<ImageFrame>(&surface.Get(), tiles.data(), 1, kTileStripWidth,
                                                  kTileSide, tile, 0);
        frame->SetPosition(x, y);
        frame->SetSize(kTileSide, kTileSide);
        return frame;
    }
    void Mark(int x, int y, int w, int h)
    {
        GraphicsContext gc(&surface.Get());
        gc.FillRectangle(x, y, w + 1, h + 1, 0, 0, kMarker);
    }

    testsupport::ScratchFolder folder;
    std::vector<unsigned char> tiles;
};

TEST_F(ImageFrameDisplayTest, ASquareShowsItsTileOfTheStripAndSquaresShareOneImage)
{
    std::unique_ptr<ImageFrame> square = Square(30, 40, 0);
    square->Show();
    square->SetCell(5, 0);
    EXPECT_EQ(square->GetCell(), 5);
    const std::vector<int> shown = surface.Area(30, 40, kTileSide, kTileSide);
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileSide; ++x) {
            ASSERT_EQ(shown[static_cast<size_t>(y * kTileSide + x)], TilePixel(135 + x, y)) << x << "," << y;
        }
    }

    // Squares over one strip share one image of it.
    std::vector<std::unique_ptr<ImageFrame>> squares;
    for (int i = 0; i < 3; ++i) {
        squares.push_back(Square(30 * i, 0, i));
        squares.back()->Show();
    }
    ASSERT_NE(squares[0]->GetSheetImage(), nullptr);
    EXPECT_EQ(squares[1]->GetSheetImage(), squares[0]->GetSheetImage());
    EXPECT_EQ(squares[2]->GetSheetImage(), squares[0]->GetSheetImage());
    EXPECT_EQ(squares[2]->GetSheetImage(), square->GetSheetImage());
    squares.clear();
    square.reset();
    std::unique_ptr<ImageFrame> later = Square(0, 0, 1);
    later->Show();
    EXPECT_EQ(surface.Pixel(13, 13), TilePixel(27 + 13, 13));
}

TEST_F(ImageFrameDisplayTest, AnUnchangedCellIsNotRepaintedAndCellsOutsideShowNothing)
{
    std::unique_ptr<ImageFrame> square = Square(30, 40, 2);
    square->Show();
    Mark(30, 40, kTileSide, kTileSide);
    square->SetCell(2, 0);
    EXPECT_EQ(surface.CountOther(30, 40, kTileSide, kTileSide, kMarker), 0);
    for (int column : {19, -1, 100000}) {
        square->SetCell(column, 0);
        EXPECT_EQ(surface.CountOther(30, 40, kTileSide, kTileSide, kMarker), 0) << column;
    }
    square->SetCell(3, 1);
    EXPECT_EQ(surface.CountOther(30, 40, kTileSide, kTileSide, kMarker), 0) << "row 1";
    square->SetCell(3, 0);
    EXPECT_EQ(surface.Pixel(30, 40), TilePixel(81, 0));
}

TEST_F(ImageFrameDisplayTest, HidingErasesExactlyTheAreaInTheContainersColour)
{
    std::unique_ptr<ImageFrame> square = Square(30, 40, 0);
    Mark(20, 30, 50, 50);
    square->Show();
    square->Hide();
    EXPECT_FALSE(square->IsCreated());
    EXPECT_EQ(surface.CountOther(30, 40, kTileSide, kTileSide, 0xAAAAAA), 0);
    EXPECT_EQ(surface.Pixel(30 + kTileSide, 40), kMarker);
    EXPECT_EQ(surface.Pixel(30, 40 + kTileSide), kMarker);

    surface.Get().SetBackColor(0x224466);
    square->Show();
    square->SetCellErase(4, 0, true);
    EXPECT_EQ(surface.Pixel(30, 40), TilePixel(108, 0));
    square->Hide();
    EXPECT_EQ(surface.Pixel(56, 66), 0x224466);
}

// Two embedded 2 x 2 pictures: palette 0 black, 1 red, 2 green; the first all red with one
// black pixel, the second all green.
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
    ImageFrame frame(&surface.Get(), pictures, 2, 0, 0);
    frame.SetPosition(10, 10);
    frame.SetSize(2, 2);
    frame.SetTransparent(true);
    frame.Show();
    EXPECT_EQ(surface.Pixel(10, 10), 0xFF0000);
    EXPECT_EQ(surface.Pixel(11, 10), 0x336699) << "black shows the back colour";
    EXPECT_EQ(surface.Pixel(10, 11), 0xFF0000);
    frame.SetCell(1, 0);
    EXPECT_EQ(surface.Pixel(11, 10), 0x00FF00);
    Mark(10, 10, 2, 2);
    frame.SetCell(1, 1);
    EXPECT_EQ(surface.CountOther(10, 10, 2, 2, 0x336699), 0) << "entry 2 is past the list";
}

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
