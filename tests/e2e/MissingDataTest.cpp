#include <gtest/gtest.h>

#include <cstdio>

#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

GameSession::Preparation Without(const std::string& file)
{
    return
        [file](const ScratchFolder& folder) { std::remove((folder.Path() + "/" + file).c_str()); };
}

TEST(MissingData, WithoutTheTileFileTheBoardIsBlankAndTheButtonsStillWork)
{
    GameSession game(Without("Data/terreno27x27.bin"));
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_EQ(game.Log(), "Data/terreno27x27.bin: non trovato\n");
    EXPECT_EQ(game.Process().Output(), "Data/terreno27x27.bin: non trovato\n");
    for (int cell : {0, 13, 90, 179}) {
        EXPECT_EQ(
            game.Window().PixelAt(GameSession::CellX(cell) + 13, GameSession::CellY(cell) + 13),
            0x00C0C0);
    }
    game.ClickStart();
    const Area remaining = PaintedLabel("-120", 60, 30, 0x000000, 0x00C0C0, 2, true);
    EXPECT_TRUE(WaitFor([&] { return game.Window().Shown(33, 285, 60, 30) == remaining; }));
    game.ClickInfo();
    EXPECT_NE(game.WaitForDialog("Info..."), nullptr);
}

TEST(MissingData, WithoutTheBeepPlayGoesOnSilently)
{
    GameSession game(Without("Data/beep.wav"));
    ASSERT_TRUE(game.WaitUntilShown());
    game.ClickStart();
    std::vector<int> covered;
    ASSERT_TRUE(
        WaitFor([&] { return CountTiles(covered = game.Board(), board::kCovered) == 130; }));

    game.ClickCell(90);
    const std::vector<int> opened = game.WaitForBoardChange(covered);
    EXPECT_NE(opened[90], board::kCovered);
    EXPECT_EQ(CountTiles(opened, board::kHazard), 0);
    EXPECT_TRUE(WaitFor(
        [&] { return game.Log().find("Data/beep.wav non trovato.\n") != std::string::npos; }));
    EXPECT_EQ(game.Fakes().Count("aplay Data/beep.wav"), 0);
}

}  // namespace
