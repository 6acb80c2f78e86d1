#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>

#include "support/BoardOracle.h"
#include "support/GameSession.h"
#include "support/ReferencePaint.h"
#include "support/WaitFor.h"

namespace {

using testsupport::Area;
using testsupport::GameSession;
using testsupport::GameWindow;
namespace layout = testsupport::layout;
namespace tiles = testsupport::tiles;

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

bool InteriorAll(const std::vector<int>& board, int tile)
{
    for (size_t i = 0; i < board.size(); ++i) {
        if (testsupport::IsInteriorCell(static_cast<int>(i)) && board[i] != tile) {
            return false;
        }
    }
    return true;
}

bool Covered(const std::vector<int>& board, int cell)
{
    return board[static_cast<size_t>(cell)] == tiles::kCovered;
}

class Play : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.WaitUntilShown()); }

    Area Shown(int x, int y, int w, int h)
    {
        return testsupport::ReadArea(game.Window().GetDisplay(), game.Window().Id(), x, y, w, h);
    }
    Area StartCaption()
    {
        return testsupport::ButtonCaptionBox(
            Shown(layout::kButtonX, layout::kStartY, layout::kButtonWidth, layout::kButtonHeight));
    }
    static Area CaptionOf(const char* caption)
    {
        return testsupport::ButtonCaptionBox(testsupport::PaintedButton(
            caption, layout::kButtonWidth, layout::kButtonHeight, 0xFFFFFF, 0xFF0000));
    }
    bool LabelShows(int x, int y, int w, int h, const std::string& text)
    {
        const Area expected = testsupport::PaintedLabel(text, w, h, 0x000000, kTeal, 2, true);
        return testsupport::WaitFor([&] { return Shown(x, y, w, h) == expected; });
    }
    std::vector<int> StartGame()
    {
        game.ClickStart();
        std::vector<int> board;
        testsupport::WaitFor([&] {
            board = game.Board();
            return InteriorAll(board, tiles::kCovered);
        });
        return board;
    }
    std::vector<int> Click(int cell, const std::vector<int>& before)
    {
        game.Window().ClickCell(cell);
        return game.WaitForBoardChange(before);
    }

    GameSession game;
};

TEST_F(Play, StartCoversTheFieldAndCancelRevealsTheHazardsWithoutAskingAName)
{
    EXPECT_EQ(StartCaption(), CaptionOf("START"));
    const std::vector<int> covered = StartGame();
    EXPECT_TRUE(InteriorAll(covered, tiles::kCovered));
    EXPECT_TRUE(testsupport::WaitFor([&] { return StartCaption() == CaptionOf("CANCEL"); }));
    EXPECT_TRUE(LabelShows(527, 260, 200, 28, "Score: 00000"));
    EXPECT_TRUE(LabelShows(527, 300, 200, 28, "Level: 01"));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, "-120"));

    game.ClickStart();
    const std::vector<int> cancelled = game.WaitForBoardChange(covered);
    EXPECT_EQ(testsupport::CountTiles(cancelled, tiles::kHazard), kLevelOneHazards);
    EXPECT_EQ(testsupport::CountTiles(cancelled, tiles::kCovered), 130 - kLevelOneHazards);
    EXPECT_TRUE(testsupport::WaitFor([&] { return StartCaption() == CaptionOf("START"); }));

    StartGame();  // a name dialog would have opened before this
    GameWindow dialogs;
    EXPECT_FALSE(dialogs.WaitForWindow("Top Ten", 0));
    EXPECT_EQ(game.CountCalls(kBeep) + game.CountCalls(kExplosion), 0);
}

TEST_F(Play, TheFirstClickIsNeverAHazardAndEveryNumberCountsItsHazards)
{
    const int firstClicks[] = {13, 22, 90, 157, 166};  // corners and the middle of the field
    int clicks = 0;
    for (int cell : firstClicks) {
        const std::vector<int> covered = StartGame();
        const std::vector<int> opened = Click(cell, covered);
        ++clicks;
        ASSERT_NE(opened, covered) << "cell " << cell;
        EXPECT_EQ(testsupport::CountTiles(opened, tiles::kHazard), 0) << "cell " << cell;
        EXPECT_FALSE(Covered(opened, cell));
        const int uncovered = testsupport::CountUncovered(opened);
        EXPECT_TRUE(LabelShows(527, 260, 200, 28, "Score: " + Digits(uncovered, 5)));
        EXPECT_TRUE(LabelShows(33, 285, 60, 30, std::to_string(-(120 - uncovered))));

        game.ClickStart();
        const std::vector<int> revealed = game.WaitForBoardChange(opened);
        EXPECT_EQ(testsupport::CountTiles(revealed, tiles::kHazard), kLevelOneHazards);
        EXPECT_EQ(testsupport::CountUncovered(revealed), uncovered);
        EXPECT_EQ(testsupport::RuleViolations(revealed), std::vector<std::string>{});
    }
    EXPECT_TRUE(testsupport::WaitFor([&] { return game.CountCalls(kBeep) == clicks; }));
    EXPECT_EQ(game.CountCalls(kExplosion), 0);
}

TEST_F(Play, ALostGameShowsEveryHazardAndTheNamedResultEntersTheRankingAndTheTicker)
{
    std::vector<int> board = StartGame();
    for (int cell = 0; cell < static_cast<int>(board.size()); ++cell) {
        if (testsupport::IsInteriorCell(cell) && Covered(board, cell)) {
            board = Click(cell, board);
        }
        if (testsupport::CountTiles(board, tiles::kHazard) > 0) {
            break;
        }
    }
    auto dialog = game.WaitForDialog("Top Ten");
    ASSERT_NE(dialog, nullptr);
    // Centred: the dialog's outer corner is placed from the main window's inside corner.
    XWindowAttributes attributes{};
    XGetWindowAttributes(dialog->GetDisplay(), dialog->Id(), &attributes);
    const int border = attributes.border_width;
    EXPECT_EQ(dialog->RootX() - border, game.Window().RootX() + (layout::kWidth - 250) / 2);
    EXPECT_EQ(dialog->RootY() - border, game.Window().RootY() + (layout::kHeight - 115) / 2);
    EXPECT_TRUE(testsupport::WaitFor([&] { return game.CountCalls(kExplosion) == 1; }));

    dialog->ClickAt(125, 55);  // the name's text box
    for (KeySym key : {XK_a, XK_d, XK_a, XK_Return}) {
        dialog->Input().TypeKey(key);
    }
    ASSERT_TRUE(testsupport::WaitFor([&] { return !dialog->Exists(); }));

    // With the dialog gone the main window is whole again.
    testsupport::WaitFor([&] {
        board = game.Board();
        return testsupport::RuleViolations(board).empty();
    });
    EXPECT_EQ(testsupport::CountTiles(board, tiles::kHazard), kLevelOneHazards);
    EXPECT_EQ(testsupport::RuleViolations(board), std::vector<std::string>{});
    const int score = testsupport::CountUncovered(board);
    const std::string line = Digits(score, 8) + " ada          Level 1";
    EXPECT_EQ(game.Folder().Read("Data/Tarnbrook/Score/Classifica.txt"), line + "\n");

    const Area ticker = testsupport::PaintedLabel("Top Ten: 1  Score " + line, layout::kWidth,
                                                  layout::kTickerHeight, 0x00FFFF, 0x0000FF, 2,
                                                  false);
    EXPECT_TRUE(testsupport::WaitFor(
        [&] { return Shown(0, layout::kTickerY, layout::kWidth, layout::kTickerHeight) == ticker; },
        10000));
}

}  // namespace
