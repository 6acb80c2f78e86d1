#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstdio>

#include "support/ChildProcesses.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

const char* const kBeep = "aplay Data/beep.wav";

std::string Digits(int value, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
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
        const Area expected = PaintedLabel(text, w, h, 0x000000, 0x00C0C0, 2, true);
        return WaitFor([&] { return game.Window().Shown(x, y, w, h) == expected; });
    }

    GameSession game;
};

TEST_F(Play, StartCoversTheFieldTheFirstClickIsSafeAndCancelRevealsWithoutAskingAName)
{
    EXPECT_TRUE(StartShows("START"));
    const std::vector<int> covered = game.StartGame();
    EXPECT_EQ(CountTiles(covered, board::kCovered), 130);
    EXPECT_TRUE(StartShows("CANCEL"));
    EXPECT_TRUE(LabelShows(527, 300, 200, 28, "Level: 01"));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, "-120"));

    game.ClickStart();
    const std::vector<int> cancelled = game.WaitForBoardChange(covered);
    EXPECT_EQ(CountTiles(cancelled, board::kHazard), 10);
    EXPECT_EQ(CountTiles(cancelled, board::kCovered), 120);
    EXPECT_TRUE(StartShows("START"));

    const std::vector<int> again = game.StartGame();  // a name dialog would have opened before
    EXPECT_EQ(game.WaitForDialog("Top Ten", 0), nullptr);
    const std::vector<int> opened = game.Click(90, again);
    EXPECT_EQ(CountTiles(opened, board::kHazard), 0);
    EXPECT_NE(opened[90], board::kCovered);
    const int uncovered = CountUncovered(opened);
    EXPECT_TRUE(LabelShows(527, 260, 200, 28, "Score: " + Digits(uncovered, 5)));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, std::to_string(uncovered - 120)));

    game.ClickStart();
    const std::vector<int> revealed = game.WaitForBoardChange(opened);
    EXPECT_EQ(CountTiles(revealed, board::kHazard), 10);
    EXPECT_EQ(CountUncovered(revealed), uncovered);
    EXPECT_EQ(WronglyShown(revealed), 0);
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Calls() == std::vector<std::string>{kBeep}; }));
    // The last beep is collected on a tick of the main window, not left a zombie.
    EXPECT_TRUE(WaitFor([&] { return ChildProcesses('Z', game.Process().Pid()).empty(); }));
}

TEST_F(Play, ALostGameShowsEveryHazardAndTheNamedResultEntersTheRankingAndTheTicker)
{
    std::vector<int> tiles = game.PlayUntilLost(game.StartGame());
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
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Count("aplay Data/Explosion.wav") == 1; }));

    // A press on the main window beeps and brings the dialog back on top.
    const int beeps = game.Fakes().Count(kBeep);
    XRaiseWindow(game.Window().GetDisplay(), game.Window().Id());
    XSync(game.Window().GetDisplay(), False);
    ASSERT_TRUE(game.Window().IsAbove(dialog->Id()));
    game.Window().ClickAt(300, 60);
    EXPECT_TRUE(WaitFor([&] { return dialog->IsAbove(game.Window().Id()); }));
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Count(kBeep) == beeps + 1; }));

    GameSession::EnterName(*dialog);
    ASSERT_TRUE(WaitFor([&] { return !dialog->Exists(); }));
    // With the dialog gone the main window is whole again, ready for the next game.
    EXPECT_TRUE(WaitFor([&] { return WronglyShown(tiles = game.Board()) == 0; }));
    EXPECT_TRUE(StartShows("START"));
    EXPECT_EQ(CountTiles(tiles, board::kHazard), 10);
    const std::string line = Digits(CountUncovered(tiles), 8) + " ada          Level 1";
    EXPECT_EQ(game.Folder().Read("Data/Tarnbrook/Score/Classifica.txt"), line + "\n");
    const Area ticker =
        PaintedLabel("Top Ten: 1  Score " + line, layout::kWidth, 18, 0x00FFFF, 0x0000FF, 2, false);
    EXPECT_TRUE(
        WaitFor([&] { return game.Window().Shown(0, 10, layout::kWidth, 18) == ticker; }, 10000));
}

}  // namespace
