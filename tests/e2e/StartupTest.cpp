#include <gtest/gtest.h>

#include <cstdio>

#include "app/ProductInfo.h"
#include "game/Board.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"
#include "support/WindowState.h"

namespace {

using namespace testsupport;

constexpr int kTeal = 0x00C0C0;

TEST(MissingData, WithoutTilesAndBeepTheBoardIsBlankAndPlayGoesOnSilently)
{
    GameSession game([](const ScratchFolder& folder) {
        std::remove((folder.Path() + "/Data/terreno27x27.bin").c_str());
        std::remove((folder.Path() + "/Data/beep.wav").c_str());
    });
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_EQ(game.Folder().Read("log.txt"), "Data/terreno27x27.bin: non trovato\n");
    for (int cell : {0, 13, 90, 179}) {
        EXPECT_EQ(game.PixelAt(GameSession::CellX(cell) + 13, GameSession::CellY(cell) + 13),
                  kTeal);
    }
    // The first square is safe: something is uncovered, with a beep that cannot play.
    game.ClickButton(layout::kStartY);
    game.ClickCell(90);
    EXPECT_TRUE(WaitFor([&] {
        return game.Folder().Read("log.txt").find("Data/beep.wav non trovato.\n") !=
               std::string::npos;
    }));
    EXPECT_EQ(game.Fakes().Count("aplay Data/beep.wav"), 0);
}

TEST(MainWindow, HasItsPropertiesAndShowsEveryPartInItsPlace)
{
    GameSession game;
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_TRUE(game.WaitForWindow(std::string("Tarnbrook - ") + tarnbrook::kWebAddress + " " +
                                   tarnbrook::kOwnershipNotice));
    // Task bars show the revealed hazard: 27 x 27 opaque pixels of the tile file (in longs,
    // sign-extended).
    std::string icon = "27 27";
    for (int color : GameSession::Tile(tarnbrook::Board::kHazardTile).pixels) {
        icon += " " + std::to_string(~0xFFFFFFUL | static_cast<unsigned long>(color));
    }
    EXPECT_EQ(Property(game.GetDisplay(), game.Id(), "_NET_WM_ICON"), icon);

    // The logo in covered squares comes with the first paint. Below the ticker, whose text comes
    // with time, the window is as the picture keeps it.
    EXPECT_TRUE(WaitFor([&] { return CountTiles(game.Board(), board::kCovered) == 35; }));
    EXPECT_EQ(
        PictureDifference(game.Shown(0, 28, layout::kWidth, layout::kHeight - 28), "main-window"),
        "");
}

}  // namespace
