#include <gtest/gtest.h>

#include <cstdio>

#include "support/BoardOracle.h"
#include "support/GameSession.h"
#include "support/ReferencePaint.h"
#include "support/WaitFor.h"

namespace {

using testsupport::GameSession;
using testsupport::GameWindow;
using testsupport::ScratchFolder;
namespace layout = testsupport::layout;
namespace tiles = testsupport::tiles;

constexpr int kTeal = 0x00C0C0;

GameSession::Preparation Without(const std::string& file)
{
    return [file](const ScratchFolder& folder) { std::remove((folder.Path() + "/" + file).c_str()); };
}

bool StartShowsCancel(GameSession& game)
{
    const testsupport::Area cancel = testsupport::ButtonCaptionBox(testsupport::PaintedButton(
        "CANCEL", layout::kButtonWidth, layout::kButtonHeight, 0xFFFFFF, 0xFF0000));
    return testsupport::WaitFor([&] {
        return testsupport::ButtonCaptionBox(testsupport::ReadArea(
                   game.Window().GetDisplay(), game.Window().Id(), layout::kButtonX,
                   layout::kStartY, layout::kButtonWidth, layout::kButtonHeight)) == cancel;
    });
}

TEST(MissingData, WithoutTheTileFileTheBoardIsBlankAndTheButtonsStillWork)
{
    GameSession game(Without("Data/terreno27x27.bin"));
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_EQ(game.Log(), "Data/terreno27x27.bin: non trovato\n");
    EXPECT_EQ(game.Process().Output(), "Data/terreno27x27.bin: non trovato\n");
    for (int cell : {0, 13, 90, 179}) {
        EXPECT_EQ(game.Window().PixelAt(GameWindow::CellX(cell) + 13, GameWindow::CellY(cell) + 13),
                  kTeal);
    }

    game.ClickStart();
    EXPECT_TRUE(StartShowsCancel(game));
    const testsupport::Area remaining =
        testsupport::PaintedLabel("-120", 60, 30, 0x000000, kTeal, 2, true);
    EXPECT_TRUE(testsupport::WaitFor([&] {
        return testsupport::ReadArea(game.Window().GetDisplay(), game.Window().Id(), 33, 285, 60,
                                     30) == remaining;
    }));
    game.ClickInfo();
    EXPECT_NE(game.WaitForDialog("Info..."), nullptr);
}

TEST(MissingData, AShortTileFileIsRefusedAndTheGameGoesOn)
{
    GameSession game([](const ScratchFolder& folder) {
        const std::string tiles = folder.Read("Data/terreno27x27.bin");
        folder.Write("Data/terreno27x27.bin", tiles.substr(0, tiles.size() / 2));
    });
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_EQ(game.Log(), "Errore loading Data/terreno27x27.bin\n");
    EXPECT_EQ(game.Window().PixelAt(GameWindow::CellX(90) + 13, GameWindow::CellY(90) + 13), kTeal);
    game.ClickStart();
    EXPECT_TRUE(StartShowsCancel(game));
    game.Window().ClickCell(90);
    EXPECT_TRUE(testsupport::WaitFor([&] { return game.CountCalls("aplay Data/beep.wav") == 1; }));
    EXPECT_TRUE(game.Process().Running());
}

TEST(MissingData, WithoutTheBeepPlayGoesOnSilently)
{
    GameSession game(Without("Data/beep.wav"));
    ASSERT_TRUE(game.WaitUntilShown());
    game.ClickStart();
    ASSERT_TRUE(StartShowsCancel(game));
    const std::vector<int> covered = game.Board();
    ASSERT_EQ(testsupport::CountTiles(covered, tiles::kCovered), 130);

    game.Window().ClickCell(90);
    const std::vector<int> opened = game.WaitForBoardChange(covered);
    EXPECT_NE(opened[90], tiles::kCovered);
    EXPECT_EQ(testsupport::CountTiles(opened, tiles::kHazard), 0);
    EXPECT_TRUE(testsupport::WaitFor([&] {
        return game.Log().find("Data/beep.wav non trovato.\n") != std::string::npos;
    }));
    EXPECT_EQ(game.CountCalls("aplay Data/beep.wav"), 0);
}

}  // namespace
