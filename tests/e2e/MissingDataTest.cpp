#include <gtest/gtest.h>

#include <cstdio>

#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

TEST(MissingData, WithoutTilesAndBeepTheBoardIsBlankAndPlayGoesOnSilently)
{
    GameSession game([](const ScratchFolder& folder) {
        std::remove((folder.Path() + "/Data/terreno27x27.bin").c_str());
        std::remove((folder.Path() + "/Data/beep.wav").c_str());
    });
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

    game.ClickCell(90);  // the first square is safe: fewer remain
    EXPECT_TRUE(WaitFor([&] {
        const Area shown = game.Window().Shown(33, 285, 60, 30);
        return !shown.pixels.empty() && !(shown == remaining);
    }));
    EXPECT_TRUE(WaitFor(
        [&] { return game.Log().find("Data/beep.wav non trovato.\n") != std::string::npos; }));
    EXPECT_EQ(game.Fakes().Count("aplay Data/beep.wav"), 0);
    game.ClickInfo();
    EXPECT_NE(game.WaitForDialog("Info..."), nullptr);
}

}  // namespace
