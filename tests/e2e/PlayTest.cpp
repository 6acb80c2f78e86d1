#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include "support/ChildProcesses.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

// Whether a window manager has put the window in a frame of its own.
bool Framed(GameWindow& window)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    XQueryTree(window.GetDisplay(), window.Id(), &root, &parent, &children, &count);
    XFree(children);
    return parent != root;
}

// The old log goes; under a window manager that takes the window over, START covers the field, the
// first click is safe, CANCEL reveals the hazards without asking a name; only YES to the exit
// question (250 x 150, NO on the left) ends the game, and the sound still playing goes with it,
// even one that ignores SIGTERM.
TEST(Play, StartCancelAndExitUnderAWindowManager)
{
    GameSession game(
        [](const ScratchFolder& folder) { folder.Write("log.txt", "of a run before"); });
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_FALSE(game.Folder().Exists("log.txt"));
    const std::string home = game.Folder().Path();
    GameSession openbox(
        nullptr,
        {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/c", "XDG_CACHE_HOME=" + home + "/c"},
        "/usr/bin/openbox");
    ASSERT_TRUE(WaitFor([&] { return Framed(game); }));
    EXPECT_TRUE(game.StartShows("START"));
    const std::vector<int> covered = game.StartGame();
    EXPECT_EQ(CountTiles(covered, board::kCovered), 130);
    EXPECT_TRUE(game.StartShows("CANCEL"));
    EXPECT_TRUE(game.LabelShows(527, 300, 200, 28, "Level: 01"));
    EXPECT_TRUE(game.LabelShows(33, 285, 60, 30, "-120"));

    game.ClickButton(layout::kStartY);
    const std::vector<int> cancelled = game.WaitForBoardChange(covered);
    EXPECT_EQ(CountTiles(cancelled, board::kHazard), 10);
    EXPECT_EQ(CountTiles(cancelled, board::kCovered), 120);
    EXPECT_TRUE(game.StartShows("START"));

    const std::vector<int> again = game.StartGame();  // a name dialog would have opened before
    EXPECT_EQ(game.WaitForDialog("Top Ten", 0), nullptr);
    const std::vector<int> opened = game.Click(90, again);
    EXPECT_EQ(CountTiles(opened, board::kHazard), 0);
    EXPECT_NE(opened[90], board::kCovered);
    const int uncovered = CountUncovered(opened);
    EXPECT_TRUE(game.LabelShows(527, 260, 200, 28, "Score: " + GameSession::Padded(uncovered, 5)));
    EXPECT_TRUE(game.LabelShows(33, 285, 60, 30, std::to_string(uncovered - 120)));

    game.ClickButton(layout::kStartY);
    const std::vector<int> revealed = game.WaitForBoardChange(opened);
    EXPECT_EQ(CountTiles(revealed, board::kHazard), 10);
    EXPECT_EQ(CountUncovered(revealed), uncovered);
    EXPECT_EQ(WronglyShown(revealed), 0);
    EXPECT_TRUE(WaitFor(
        [&] { return game.Fakes().Calls() == std::vector<std::string>{"aplay Data/beep.wav"}; }));
    // The last beep is collected on a tick of the main window, not left a zombie.
    EXPECT_TRUE(WaitFor([&] { return ChildProcesses('Z', game.Pid()).empty(); }));

    game.Folder().Write("fake-bin/aplay",
                        "#!/bin/sh\ntrap '' TERM\necho $$ > aplay.pid\nexec sleep 60\n");
    game.Click(13, game.StartGame());
    ASSERT_TRUE(
        WaitFor([&] { return game.Folder().Read("aplay.pid").find('\n') != std::string::npos; }));
    const pid_t aplay = std::stoi(game.Folder().Read("aplay.pid"));
    game.Input().SendDeleteWindow(game.Id());
    auto question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(65, 124);
    EXPECT_TRUE(WaitFor([&] { return !question->Exists(); }));
    EXPECT_TRUE(game.Running());
    EXPECT_TRUE(game.Exists());
    game.ClickButton(layout::kExitY);
    question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(185, 124);
    EXPECT_EQ(game.WaitForExit(), 0);
    EXPECT_EQ(game.Output(), "");
    EXPECT_FALSE(game.Folder().Exists("log.txt"));
    EXPECT_TRUE(WaitFor([&] { return ProcessEnded(aplay); }));
}

}  // namespace
