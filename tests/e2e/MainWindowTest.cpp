#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include "app/ProductInfo.h"
#include "game/Board.h"
#include "game/BuiltInPictures.h"
#include "gfx/EmbeddedImage.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

constexpr int kTeal = 0x00C0C0;
constexpr int kBlue = 0x0000FF;

Area Picture(const tarnbrook::BuiltInPicture& picture)
{
    const tarnbrook::RgbBuffer rgb =
        tarnbrook::Convert4BitImage(picture.width, picture.height, picture.data);
    Area area{rgb.Width(), rgb.Height(), {}};
    for (int y = 0; y < rgb.Height(); ++y) {
        for (int x = 0; x < rgb.Width(); ++x) {
            area.pixels.push_back(rgb.PixelColor(x, y));
        }
    }
    return area;
}

// _NET_WM_ICON as 32-bit values (Xlib hands them over sign-extended in longs).
std::vector<unsigned long> Icon(Display* display, Window window)
{
    Atom type;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), 0, 1024, False,
                       XA_CARDINAL, &type, &format, &count, &after, &data);
    std::vector<unsigned long> icon;
    for (unsigned long i = 0; i < count; ++i) {
        icon.push_back(reinterpret_cast<unsigned long*>(data)[i] & 0xFFFFFFFF);
    }
    XFree(data);
    return icon;
}

TEST(MainWindow, HasItsPropertiesAndShowsEveryPartInItsPlace)
{
    GameSession game;
    ASSERT_TRUE(game.WaitUntilShown());
    const auto pixel = [&](int x, int y) { return game.Window().PixelAt(x, y); };
    const auto shown = [&](int x, int y, int w, int h) { return game.Window().Shown(x, y, w, h); };
    Display* display = game.Window().GetDisplay();
    const Window window = game.Window().Id();
    char* name = nullptr;
    ASSERT_TRUE(XFetchName(display, window, &name));
    EXPECT_EQ(std::string(name), std::string("Tarnbrook - ") + tarnbrook::kWebAddress + " " +
                                     tarnbrook::kOwnershipNotice);
    XFree(name);
    XClassHint hint{};
    ASSERT_TRUE(XGetClassHint(display, window, &hint));
    EXPECT_STREQ(hint.res_name, "Tarnbrook.exe");
    EXPECT_STREQ(hint.res_class, "Tarnbrook.exe");
    XFree(hint.res_name);
    XFree(hint.res_class);
    // Task bars show the revealed hazard: 27 x 27 opaque pixels of the tile file.
    std::vector<unsigned long> icon{27, 27};
    for (int color : GameSession::Tile(tarnbrook::Board::kHazardTile).pixels) {
        icon.push_back(0xFF000000UL | static_cast<unsigned long>(color));
    }
    EXPECT_EQ(Icon(display, window), icon);
    XSizeHints sizes{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(display, window, &sizes, &supplied));
    EXPECT_EQ(
        std::vector<int>({sizes.min_width, sizes.max_width, sizes.min_height, sizes.max_height}),
        std::vector<int>({layout::kWidth, layout::kWidth, layout::kHeight, layout::kHeight}));

    EXPECT_EQ(pixel(0, 0), kBlue);
    EXPECT_EQ(pixel(798, 18), kBlue);
    EXPECT_EQ(pixel(400, 27), kBlue);  // the ticker's label below the bar
    EXPECT_EQ(pixel(400, 28), kTeal);
    const int top = layout::kHeight - 40;
    for (const auto& [left, color] : {std::pair{33, 0x00AA00}, {53, 0xFFFFFF}, {73, 0xFF0000}}) {
        EXPECT_EQ(pixel(left, top), color);
        EXPECT_EQ(pixel(left + 18, top + 13), color);
        EXPECT_EQ(pixel(left + 19, top + 6), kTeal);
        EXPECT_EQ(pixel(left + 9, top + 14), kTeal);
    }
    EXPECT_EQ(shown(590, 35, 200, 50), Picture(tarnbrook::kTitleBanner));
    EXPECT_EQ(shown(640, 504, 160, 96), Picture(tarnbrook::kStaircase));
    EXPECT_EQ(shown(0, 35, 96, 96), Picture(tarnbrook::kColumn));

    // The frame, and the logo in covered squares on open ground. The message line (y 100..124)
    // covers the top row's upper part, the START button the top right square's last columns.
    constexpr int side = board::kCellSize;
    constexpr int below = 125 - side - 90;
    EXPECT_EQ(shown(GameSession::CellX(0), GameSession::CellY(0) + below, side, side - below),
              GameSession::Tile(15).Crop(0, below, side, side - below));
    EXPECT_EQ(shown(GameSession::CellX(11), GameSession::CellY(11) + below, side - 2, side - below),
              GameSession::Tile(16).Crop(0, below, side - 2, side - below));
    std::vector<int> tiles;
    ASSERT_TRUE(WaitFor([&] { return CountTiles(tiles = game.Board(), board::kCovered) == 35; }));
    EXPECT_EQ(tiles[168], 13);
    EXPECT_EQ(tiles[179], 14);
    for (int cell = board::kColumns; cell < board::kCells; ++cell) {
        const int row = cell / board::kColumns;
        const int column = cell % board::kColumns;
        if (!IsInteriorCell(cell)) {
            if (column < board::kColumns - 1 || row > 7) {  // the buttons cover the others' edge
                EXPECT_EQ(tiles[cell], tarnbrook::Board::FrameTile(cell)) << cell;
            }
        } else if (tiles[cell] == board::kCovered) {
            EXPECT_TRUE(row >= 2 && row <= 11 && row != 6 && column >= 3 && column <= 9) << cell;
        } else {
            EXPECT_EQ(tiles[cell], board::kOpen) << cell;
        }
    }

    const struct {
        const char* caption;
        int y;
        int fore;
        int face;
    } buttons[] = {{"START", layout::kStartY, 0xFFFFFF, 0xFF0000},
                   {"INFO", layout::kInfoY, 0x000000, 0xFFFDE5},
                   {"EXIT", layout::kExitY, 0x000000, 0xFFFDE5}};
    for (const auto& button : buttons) {
        EXPECT_EQ(shown(layout::kButtonX, button.y, layout::kButtonWidth, layout::kButtonHeight),
                  PaintedButton(button.caption, layout::kButtonWidth, layout::kButtonHeight,
                                button.fore, button.face))
            << button.caption;
    }
    EXPECT_EQ(shown(527, 260, 200, 28), PaintedLabel("Score: 00000", 200, 28, 0, kTeal, 2, true));
    EXPECT_EQ(shown(527, 300, 200, 28), PaintedLabel("Level: 00", 200, 28, 0, kTeal, 2, true));
    EXPECT_EQ(shown(33, 285, 60, 30), PaintedLabel("0", 60, 30, 0, kTeal, 2, true));
}

}  // namespace
