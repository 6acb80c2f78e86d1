#include <gtest/gtest.h>

#include <X11/Xutil.h>

#include <fstream>
#include <iterator>

#include "app/ProductInfo.h"
#include "game/Board.h"
#include "game/BoardView.h"
#include "game/BuiltInPictures.h"
#include "gfx/EmbeddedImage.h"
#include "support/BoardOracle.h"
#include "support/GameSession.h"
#include "support/ReferencePaint.h"
#include "support/WaitFor.h"

namespace {

using testsupport::Area;
using testsupport::GameSession;
using testsupport::GameWindow;
namespace layout = testsupport::layout;

constexpr int kTeal = 0x00C0C0;
constexpr int kBlue = 0x0000FF;
// The message line (y 100..124) lies over the upper part of the top frame row.
constexpr int kFirstRowBelowMessage = 125 - GameWindow::kCellSize - 90;

class NoView : public tarnbrook::BoardView {
public:
    bool IsInterior(int cell) const override { return tarnbrook::Board::IsInteriorIndex(cell); }
    void SetTile(int, int) override {}
    void SetScoreText(const std::string&) override {}
    void SetLevelText(const std::string&) override {}
    void SetRemainingText(const std::string&) override {}
    void SetMessageText(const std::string&) override {}
    void PlaySound(const std::string&) override {}
    void PauseThreeSeconds() override {}
    void GameOver(int) override {}
};

// The board of the start screen as the rules lay it out: the frame, open ground and the logo.
std::vector<int> StartScreen()
{
    NoView view;
    tarnbrook::Board board(view);
    board.ShowLogo();
    std::vector<int> tiles;
    for (int cell = 0; cell < tarnbrook::Board::kCellCount; ++cell) {
        tiles.push_back(board.Tile(cell));
    }
    return tiles;
}

// The part (x, y, w, h) of a tile of the repository's tile file.
Area TilePart(int tile, int x, int y, int w, int h)
{
    std::ifstream in(std::string(TARNBROOK_SOURCE_DIR) + "/Data/terreno27x27.bin", std::ios::binary);
    const std::string sheet((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Area area;
    area.width = w;
    area.height = h;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            const size_t at = (static_cast<size_t>(row) * 513 + static_cast<size_t>(tile * 27 + column)) * 3;
            area.pixels.push_back((static_cast<unsigned char>(sheet[at]) << 16) |
                                  (static_cast<unsigned char>(sheet[at + 1]) << 8) |
                                  static_cast<unsigned char>(sheet[at + 2]));
        }
    }
    return area;
}

Area ShownCellPart(GameWindow& window, int cell, int x, int y, int w, int h)
{
    return testsupport::ReadArea(window.GetDisplay(), window.Id(), GameWindow::CellX(cell) + x,
                                 GameWindow::CellY(cell) + y, w, h);
}

// Squares partly covered by other parts of the window: the message line lies over the top of
// the first row, the buttons and the score and level labels over the last two pixel columns of
// the right edge's upper squares.
std::vector<int> WithoutCoveredSquares(std::vector<int> board)
{
    for (size_t cell = 0; cell < board.size(); ++cell) {
        const size_t row = cell / GameWindow::kColumns;
        const size_t column = cell % GameWindow::kColumns;
        if (row == 0 || (column == GameWindow::kColumns - 1 && row <= 7)) {
            board[cell] = GameWindow::kUnknownTile;
        }
    }
    return board;
}

Area Picture(const tarnbrook::BuiltInPicture& picture)
{
    const tarnbrook::RgbBuffer rgb =
        tarnbrook::Convert4BitImage(picture.width, picture.height, picture.data);
    Area area;
    area.width = rgb.Width();
    area.height = rgb.Height();
    for (int y = 0; y < rgb.Height(); ++y) {
        for (int x = 0; x < rgb.Width(); ++x) {
            area.pixels.push_back(rgb.PixelColor(x, y));
        }
    }
    return area;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.WaitUntilShown()); }

    int Pixel(int x, int y) { return game.Window().PixelAt(x, y); }
    Area Shown(int x, int y, int w, int h)
    {
        return testsupport::ReadArea(game.Window().GetDisplay(), game.Window().Id(), x, y, w, h);
    }

    GameSession game;
};

TEST_F(MainWindow, HasTheProductTitleTheClassAndAFixedSize)
{
    Display* display = game.Window().GetDisplay();
    const Window window = game.Window().Id();
    char* name = nullptr;
    ASSERT_TRUE(XFetchName(display, window, &name));
    EXPECT_EQ(std::string(name), tarnbrook::ComposeTitle());
    XFree(name);

    XClassHint hint{};
    ASSERT_TRUE(XGetClassHint(display, window, &hint));
    EXPECT_STREQ(hint.res_name, "Tarnbrook.exe");
    EXPECT_STREQ(hint.res_class, "Tarnbrook.exe");
    XFree(hint.res_name);
    XFree(hint.res_class);

    XSizeHints sizes{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(display, window, &sizes, &supplied));
    EXPECT_EQ(sizes.min_width, layout::kWidth);
    EXPECT_EQ(sizes.max_width, layout::kWidth);
    EXPECT_EQ(sizes.min_height, layout::kHeight);
    EXPECT_EQ(sizes.max_height, layout::kHeight);
    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
    EXPECT_EQ(attributes.width, layout::kWidth);
    EXPECT_EQ(attributes.height, layout::kHeight);
}

TEST_F(MainWindow, ShowsTheTopBarTheBlocksAndThePicturesInTheirPlaces)
{
    EXPECT_EQ(Pixel(0, 0), kBlue);
    EXPECT_EQ(Pixel(798, 18), kBlue);
    EXPECT_EQ(Pixel(400, 27), kBlue);  // the ticker's label below the bar
    EXPECT_EQ(Pixel(400, 28), kTeal);
    EXPECT_EQ(Pixel(300, 60), kTeal);

    const int top = layout::kHeight - 40;
    const struct {
        int left;
        int color;
    } blocks[] = {{33, 0x00AA00}, {53, 0xFFFFFF}, {73, 0xFF0000}};
    for (const auto& block : blocks) {
        EXPECT_EQ(Pixel(block.left, top), block.color);
        EXPECT_EQ(Pixel(block.left + 18, top + 13), block.color);
        EXPECT_EQ(Pixel(block.left + 19, top + 6), kTeal);
        EXPECT_EQ(Pixel(block.left + 9, top + 14), kTeal);
    }

    EXPECT_EQ(Shown(590, 35, 200, 50), Picture(tarnbrook::kTitleBanner));
    EXPECT_EQ(Shown(640, 504, 160, 96), Picture(tarnbrook::kStaircase));
    EXPECT_EQ(Shown(0, 35, 96, 96), Picture(tarnbrook::kColumn));
}

TEST_F(MainWindow, ShowsTheFrameAndTheLogoOnOpenGround)
{
    constexpr int side = GameWindow::kCellSize;
    constexpr int below = kFirstRowBelowMessage;
    GameWindow& window = game.Window();
    EXPECT_EQ(ShownCellPart(window, 168, 0, 0, side, side), TilePart(13, 0, 0, side, side));
    EXPECT_EQ(ShownCellPart(window, 179, 0, 0, side, side), TilePart(14, 0, 0, side, side));
    EXPECT_EQ(ShownCellPart(window, 0, 0, below, side, side - below),
              TilePart(15, 0, below, side, side - below));
    // The START button begins at the last two pixel columns of the top right square's last rows.
    EXPECT_EQ(ShownCellPart(window, 11, 0, below, side - 2, side - below),
              TilePart(16, 0, below, side - 2, side - below));

    const std::vector<int> expected = WithoutCoveredSquares(StartScreen());
    EXPECT_TRUE(testsupport::WaitFor([&] { return WithoutCoveredSquares(game.Board()) == expected; }));
    EXPECT_EQ(testsupport::CountTiles(expected, testsupport::tiles::kCovered), 35);
}

TEST_F(MainWindow, ShowsTheButtonsAndTheLabels)
{
    const struct {
        const char* caption;
        int y;
        int fore;
        int face;
    } buttons[] = {{"START", layout::kStartY, 0xFFFFFF, 0xFF0000},
                   {"INFO", layout::kInfoY, 0x000000, 0xFFFDE5},
                   {"EXIT", layout::kExitY, 0x000000, 0xFFFDE5}};
    for (const auto& button : buttons) {
        EXPECT_EQ(Shown(layout::kButtonX, button.y, layout::kButtonWidth, layout::kButtonHeight),
                  testsupport::PaintedButton(button.caption, layout::kButtonWidth,
                                             layout::kButtonHeight, button.fore, button.face))
            << button.caption;
    }
    EXPECT_EQ(Shown(527, 260, 200, 28),
              testsupport::PaintedLabel("Score: 00000", 200, 28, 0x000000, kTeal, 2, true));
    EXPECT_EQ(Shown(527, 300, 200, 28),
              testsupport::PaintedLabel("Level: 00", 200, 28, 0x000000, kTeal, 2, true));
    EXPECT_EQ(Shown(33, 285, 60, 30),
              testsupport::PaintedLabel("0", 60, 30, 0x000000, kTeal, 2, true));
}

}  // namespace
