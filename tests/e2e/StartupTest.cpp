#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <tuple>

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
    for (int i = 0; i < area.width * area.height; ++i) {
        area.pixels.push_back(rgb.PixelColor(i % area.width, i / area.width));
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

TEST(Startup, WithoutADisplayTheProgramStopsWithStatusOneAndLogsWhateverItsOutputIs)
{
    GameSession game([](const ScratchFolder& folder) { folder.Write("log.txt", "earlier\n"); },
                     {"DISPLAY"});
    EXPECT_EQ(game.WaitForExit(), 1);
    EXPECT_EQ(game.Output(), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(game.Log(), "XOpenDisplay(0) failed.\n");

    // Standard output a pipe nobody reads, the other two closed: the line is logged all the same.
    std::remove("log.txt");
    const pid_t child = fork();
    if (child == 0) {
        int ends[2];
        if (pipe(ends) != 0 || dup2(ends[1], 1) != 1 || close(ends[0]) || close(0) || close(2)) {
            _exit(9);
        }
        unsetenv("DISPLAY");
        execl(TARNBROOK_BINARY, TARNBROOK_BINARY, static_cast<char*>(nullptr));
        _exit(9);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(game.Log(), "XOpenDisplay(0) failed.\n");
}

TEST(MissingData, WithoutTilesAndBeepTheBoardIsBlankAndPlayGoesOnSilently)
{
    GameSession game([](const ScratchFolder& folder) {
        std::remove((folder.Path() + "/Data/terreno27x27.bin").c_str());
        std::remove((folder.Path() + "/Data/beep.wav").c_str());
    });
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_EQ(game.Log(), "Data/terreno27x27.bin: non trovato\n");
    EXPECT_EQ(game.Output(), "Data/terreno27x27.bin: non trovato\n");
    for (int cell : {0, 13, 90, 179}) {
        EXPECT_EQ(game.PixelAt(GameSession::CellX(cell) + 13, GameSession::CellY(cell) + 13),
                  kTeal);
    }
    game.ClickButton(layout::kStartY);
    const Area remaining = PaintedLabel("-120", 60, 30, 0x000000, kTeal, 2, true);
    EXPECT_TRUE(WaitFor([&] { return game.Shown(33, 285, 60, 30) == remaining; }));

    game.ClickCell(90);  // the first square is safe: fewer remain
    EXPECT_TRUE(WaitFor([&] {
        const Area shown = game.Shown(33, 285, 60, 30);
        return !shown.pixels.empty() && !(shown == remaining);
    }));
    EXPECT_TRUE(WaitFor(
        [&] { return game.Log().find("Data/beep.wav non trovato.\n") != std::string::npos; }));
    EXPECT_EQ(game.Fakes().Count("aplay Data/beep.wav"), 0);
    game.ClickButton(layout::kInfoY);
    const auto about = game.WaitForDialog("Info...");
    ASSERT_NE(about, nullptr);
    const Area banner = Picture(tarnbrook::kAboutBanner);
    EXPECT_TRUE(
        WaitFor([&] { return about->Shown(15, 28, banner.width, banner.height) == banner; }));
}

TEST(MainWindow, HasItsPropertiesAndShowsEveryPartInItsPlace)
{
    GameSession game;
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_TRUE(game.WaitForWindow(std::string("Tarnbrook - ") + tarnbrook::kWebAddress + " " +
                                   tarnbrook::kOwnershipNotice));
    // Task bars show the revealed hazard: 27 x 27 opaque pixels of the tile file.
    std::vector<unsigned long> icon{27, 27};
    for (int color : GameSession::Tile(tarnbrook::Board::kHazardTile).pixels) {
        icon.push_back(0xFF000000UL | static_cast<unsigned long>(color));
    }
    EXPECT_EQ(Icon(game.GetDisplay(), game.Id()), icon);

    EXPECT_EQ(game.PixelAt(0, 0), kBlue);
    EXPECT_EQ(game.PixelAt(798, 18), kBlue);
    EXPECT_EQ(game.PixelAt(400, 27), kBlue);  // the ticker's label below the bar
    EXPECT_EQ(game.PixelAt(400, 28), kTeal);
    const int top = layout::kHeight - 40;
    for (const auto& [left, color] : {std::pair{33, 0x00AA00}, {53, 0xFFFFFF}, {73, 0xFF0000}}) {
        EXPECT_EQ(game.PixelAt(left, top), color);
        EXPECT_EQ(game.PixelAt(left + 18, top + 13), color);
        EXPECT_EQ(game.PixelAt(left + 19, top + 6), kTeal);
        EXPECT_EQ(game.PixelAt(left + 9, top + 14), kTeal);
    }
    EXPECT_EQ(game.Shown(590, 35, 200, 50), Picture(tarnbrook::kTitleBanner));
    EXPECT_EQ(game.Shown(640, 504, 160, 96), Picture(tarnbrook::kStaircase));
    EXPECT_EQ(game.Shown(0, 35, 96, 96), Picture(tarnbrook::kColumn));

    // The frame, and the logo in covered squares on open ground. The message line (y 100..124)
    // covers the top row's upper part, the START button the top right square's last columns.
    constexpr int side = board::kCellSize;
    constexpr int below = 125 - side - 90;
    EXPECT_EQ(game.Shown(GameSession::CellX(0), GameSession::CellY(0) + below, side, side - below),
              GameSession::Tile(15).Crop(0, below, side, side - below));
    EXPECT_EQ(
        game.Shown(GameSession::CellX(11), GameSession::CellY(11) + below, side - 2, side - below),
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

    for (const auto& [caption, y, fore, face] :
         {std::tuple{"START", layout::kStartY, 0xFFFFFF, 0xFF0000},
          {"INFO", layout::kInfoY, 0x000000, 0xFFFDE5},
          {"EXIT", layout::kExitY, 0x000000, 0xFFFDE5}}) {
        EXPECT_EQ(game.Shown(layout::kButtonX, y, layout::kButtonWidth, layout::kButtonHeight),
                  PaintedButton(caption, layout::kButtonWidth, layout::kButtonHeight, fore, face))
            << caption;
    }
    EXPECT_EQ(game.Shown(527, 260, 200, 28),
              PaintedLabel("Score: 00000", 200, 28, 0, kTeal, 2, true));
    EXPECT_EQ(game.Shown(527, 300, 200, 28), PaintedLabel("Level: 00", 200, 28, 0, kTeal, 2, true));
    EXPECT_EQ(game.Shown(33, 285, 60, 30), PaintedLabel("0", 60, 30, 0, kTeal, 2, true));
}

}  // namespace
