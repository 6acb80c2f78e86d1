#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>

#include "support/ChildProcesses.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

constexpr int kTeal = 0x00C0C0;
constexpr int kLevelOneHazards = 10;
const char* const kBeep = "aplay Data/beep.wav";
const char* const kExplosion = "aplay Data/Explosion.wav";

std::string Digits(int value, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

bool InteriorCovered(const std::vector<int>& board)
{
    for (int i = 0; i < board::kCells; ++i) {
        if (IsInteriorCell(i) && board[static_cast<size_t>(i)] != board::kCovered) {
            return false;
        }
    }
    return true;
}

class Play : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.WaitUntilShown()); }

    bool StartShows(const char* caption)
    {
        const Area expected = ButtonCaptionBox(PaintedButton(
            caption, layout::kButtonWidth, layout::kButtonHeight, 0xFFFFFF, 0xFF0000));
        return WaitFor([&] {
            return ButtonCaptionBox(game.Window().Shown(layout::kButtonX, layout::kStartY,
                                                        layout::kButtonWidth,
                                                        layout::kButtonHeight)) == expected;
        });
    }
    bool LabelShows(int x, int y, int w, int h, const std::string& text)
    {
        const Area expected = PaintedLabel(text, w, h, 0x000000, kTeal, 2, true);
        return WaitFor([&] { return game.Window().Shown(x, y, w, h) == expected; });
    }
    std::vector<int> StartGame()
    {
        game.ClickStart();
        std::vector<int> tiles;
        WaitFor([&] { return InteriorCovered(tiles = game.Board()); });
        return tiles;
    }
    std::vector<int> Click(int cell, const std::vector<int>& before)
    {
        game.ClickCell(cell);
        return game.WaitForBoardChange(before);
    }

    GameSession game;
};

TEST_F(Play, StartCoversTheFieldTheFirstClickIsSafeAndCancelRevealsWithoutAskingAName)
{
    EXPECT_TRUE(StartShows("START"));
    const std::vector<int> covered = StartGame();
    EXPECT_TRUE(InteriorCovered(covered));
    EXPECT_TRUE(StartShows("CANCEL"));
    EXPECT_TRUE(LabelShows(527, 300, 200, 28, "Level: 01"));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, "-120"));

    game.ClickStart();
    const std::vector<int> cancelled = game.WaitForBoardChange(covered);
    EXPECT_EQ(CountTiles(cancelled, board::kHazard), kLevelOneHazards);
    EXPECT_EQ(CountTiles(cancelled, board::kCovered), 130 - kLevelOneHazards);
    EXPECT_TRUE(StartShows("START"));

    const std::vector<int> again = StartGame();  // a name dialog would have opened before this
    EXPECT_EQ(game.WaitForDialog("Top Ten", 0), nullptr);
    const std::vector<int> opened = Click(90, again);
    EXPECT_EQ(CountTiles(opened, board::kHazard), 0);
    EXPECT_NE(opened[90], board::kCovered);
    const int uncovered = CountUncovered(opened);
    EXPECT_TRUE(LabelShows(527, 260, 200, 28, "Score: " + Digits(uncovered, 5)));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, std::to_string(uncovered - 120)));

    game.ClickStart();
    const std::vector<int> revealed = game.WaitForBoardChange(opened);
    EXPECT_EQ(CountTiles(revealed, board::kHazard), kLevelOneHazards);
    EXPECT_EQ(CountUncovered(revealed), uncovered);
    EXPECT_EQ(WronglyShown(revealed), 0);
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Calls() == std::vector<std::string>{kBeep}; }));
    // The last beep is collected on a tick of the main window, not left a zombie.
    EXPECT_TRUE(WaitFor([&] { return ChildProcesses('Z', game.Process().Pid()).empty(); }));
}

// The sound still playing when the player leaves goes with the game, even one that ignores
// SIGTERM.
TEST_F(Play, LeavingTheGameEndsTheSoundStillPlaying)
{
    game.Folder().Write("fake-bin/aplay",
                        "#!/bin/sh\ntrap '' TERM\necho $$ > aplay.pid\nexec sleep 60\n");
    Click(13, StartGame());
    ASSERT_TRUE(
        WaitFor([&] { return game.Folder().Read("aplay.pid").find('\n') != std::string::npos; }));
    const pid_t aplay = std::stoi(game.Folder().Read("aplay.pid"));
    game.ClickExit();
    auto question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(185, 124);
    EXPECT_EQ(game.Process().WaitForExit(), 0);
    EXPECT_TRUE(WaitFor([&] { return ProcessEnded(aplay); }));
}

TEST_F(Play, ALostGameShowsEveryHazardAndTheNamedResultEntersTheRankingAndTheTicker)
{
    std::vector<int> tiles = StartGame();
    for (int cell = 0; cell < board::kCells && CountTiles(tiles, board::kHazard) == 0; ++cell) {
        if (IsInteriorCell(cell) && tiles[static_cast<size_t>(cell)] == board::kCovered) {
            tiles = Click(cell, tiles);
        }
    }
    auto dialog = game.WaitForDialog("Top Ten");
    ASSERT_NE(dialog, nullptr);
    // Centred: the dialog's outer corner is placed from the main window's inside corner.
    XWindowAttributes attributes{};
    XGetWindowAttributes(dialog->GetDisplay(), dialog->Id(), &attributes);
    int dialogX, dialogY, mainX, mainY;
    dialog->Origin(dialogX, dialogY);
    game.Window().Origin(mainX, mainY);
    EXPECT_EQ(dialogX - attributes.border_width, mainX + (layout::kWidth - 250) / 2);
    EXPECT_EQ(dialogY - attributes.border_width, mainY + (layout::kHeight - 115) / 2);
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Count(kExplosion) == 1; }));

    dialog->ClickAt(125, 55);  // the name's text box
    for (KeySym key : {XK_a, XK_d, XK_a, XK_Return}) {
        dialog->Input().TypeKey(key);
    }
    ASSERT_TRUE(WaitFor([&] { return !dialog->Exists(); }));

    // With the dialog gone the main window is whole again, ready for the next game.
    EXPECT_TRUE(WaitFor([&] { return WronglyShown(tiles = game.Board()) == 0; }));
    EXPECT_TRUE(StartShows("START"));
    EXPECT_EQ(CountTiles(tiles, board::kHazard), kLevelOneHazards);
    const std::string line = Digits(CountUncovered(tiles), 8) + " ada          Level 1";
    EXPECT_EQ(game.Folder().Read("Data/Tarnbrook/Score/Classifica.txt"), line + "\n");

    const Area ticker =
        PaintedLabel("Top Ten: 1  Score " + line, layout::kWidth, 18, 0x00FFFF, 0x0000FF, 2, false);
    EXPECT_TRUE(
        WaitFor([&] { return game.Window().Shown(0, 10, layout::kWidth, 18) == ticker; }, 10000));
}

}  // namespace
