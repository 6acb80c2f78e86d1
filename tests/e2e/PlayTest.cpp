#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstdio>
#include <memory>

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

bool StartShows(GameSession& game, const char* caption)
{
    const Area expected = ButtonCaptionBox(
        PaintedButton(caption, layout::kButtonWidth, layout::kButtonHeight, 0xFFFFFF, 0xFF0000));
    return WaitFor([&] {
        return ButtonCaptionBox(game.Window().Shown(layout::kButtonX, layout::kStartY,
                                                    layout::kButtonWidth, layout::kButtonHeight)) ==
               expected;
    });
}

bool LabelShows(GameSession& game, int x, int y, int w, int h, const std::string& text)
{
    const Area expected = PaintedLabel(text, w, h, 0x000000, 0x00C0C0, 2, true);
    return WaitFor([&] { return game.Window().Shown(x, y, w, h) == expected; });
}

// Openbox announces itself before it serves map requests, and a request made meanwhile may be
// lost: a probe window mapped (again, if need be) until it is framed shows that it serves.
bool ManagesNewWindows(Display* display)
{
    const Window root = DefaultRootWindow(display);
    const Window probe = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
    bool framed = false;
    for (int attempt = 0; attempt < 20 && !framed; ++attempt) {
        XUnmapWindow(display, probe);
        XMapWindow(display, probe);
        XSync(display, False);
        framed = WaitFor(
            [&] {
                Window top = 0, parent = 0, *children = nullptr;
                unsigned int count = 0;
                XQueryTree(display, probe, &top, &parent, &children, &count);
                XFree(children);
                return parent != root;
            },
            500);
    }
    XDestroyWindow(display, probe);
    XSync(display, False);
    return framed;
}

// A real window manager, started before the game in a folder where an earlier run left a log.
GameSession::Preparation WithOpenbox(std::unique_ptr<ChildProcess>& openbox)
{
    return [&openbox](const ScratchFolder& folder) {
        folder.Write("log.txt", "a line of an earlier run\n");
        const std::string home = folder.Path();
        openbox = std::make_unique<ChildProcess>(
            "/usr/bin/openbox",
            std::vector<std::string>{"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
                                     "XDG_CACHE_HOME=" + home + "/cache"});
        ASSERT_TRUE(ManagesNewWindows(GameWindow().GetDisplay()));
    };
}

// What a title bar's close button does: the window manager is asked to close the window.
void CloseThroughTheWindowManager(GameWindow& window)
{
    Display* display = window.GetDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.Id();
    event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[1] = 2;  // asked by the user's tools
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display, False);
}

// Under a window manager the old log goes; START covers the field, the first click is safe,
// CANCEL reveals the hazards without asking a name; only YES to the exit question (250 x 150, NO
// on the left) ends the game, and the sound still playing goes with it, even one that ignores
// SIGTERM.
TEST(Play, StartCancelAndExitUnderAWindowManager)
{
    std::unique_ptr<ChildProcess> openbox;
    GameSession game(WithOpenbox(openbox));
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_FALSE(game.Folder().Exists("log.txt"));
    EXPECT_TRUE(StartShows(game, "START"));
    const std::vector<int> covered = game.StartGame();
    EXPECT_EQ(CountTiles(covered, board::kCovered), 130);
    EXPECT_TRUE(StartShows(game, "CANCEL"));
    EXPECT_TRUE(LabelShows(game, 527, 300, 200, 28, "Level: 01"));
    EXPECT_TRUE(LabelShows(game, 33, 285, 60, 30, "-120"));

    game.ClickStart();
    const std::vector<int> cancelled = game.WaitForBoardChange(covered);
    EXPECT_EQ(CountTiles(cancelled, board::kHazard), 10);
    EXPECT_EQ(CountTiles(cancelled, board::kCovered), 120);
    EXPECT_TRUE(StartShows(game, "START"));

    const std::vector<int> again = game.StartGame();  // a name dialog would have opened before
    EXPECT_EQ(game.WaitForDialog("Top Ten", 0), nullptr);
    const std::vector<int> opened = game.Click(90, again);
    EXPECT_EQ(CountTiles(opened, board::kHazard), 0);
    EXPECT_NE(opened[90], board::kCovered);
    const int uncovered = CountUncovered(opened);
    EXPECT_TRUE(LabelShows(game, 527, 260, 200, 28, "Score: " + Digits(uncovered, 5)));
    EXPECT_TRUE(LabelShows(game, 33, 285, 60, 30, std::to_string(uncovered - 120)));

    game.ClickStart();
    const std::vector<int> revealed = game.WaitForBoardChange(opened);
    EXPECT_EQ(CountTiles(revealed, board::kHazard), 10);
    EXPECT_EQ(CountUncovered(revealed), uncovered);
    EXPECT_EQ(WronglyShown(revealed), 0);
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Calls() == std::vector<std::string>{kBeep}; }));
    // The last beep is collected on a tick of the main window, not left a zombie.
    EXPECT_TRUE(WaitFor([&] { return ChildProcesses('Z', game.Process().Pid()).empty(); }));

    game.Folder().Write("fake-bin/aplay",
                        "#!/bin/sh\ntrap '' TERM\necho $$ > aplay.pid\nexec sleep 60\n");
    game.Click(13, game.StartGame());
    ASSERT_TRUE(
        WaitFor([&] { return game.Folder().Read("aplay.pid").find('\n') != std::string::npos; }));
    const pid_t aplay = std::stoi(game.Folder().Read("aplay.pid"));
    CloseThroughTheWindowManager(game.Window());
    auto question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(65, 124);
    EXPECT_TRUE(WaitFor([&] { return !question->Exists(); }));
    EXPECT_TRUE(game.Process().Running());
    EXPECT_TRUE(game.Window().Exists());
    game.ClickExit();
    question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(185, 124);
    EXPECT_EQ(game.Process().WaitForExit(), 0);
    EXPECT_EQ(game.Process().Output(), "");
    EXPECT_FALSE(game.Folder().Exists("log.txt"));
    EXPECT_TRUE(WaitFor([&] { return ProcessEnded(aplay); }));
}

// The name dialog is centred and brought back on top, with a beep, by a press on the main
// window; the named result enters the ranking and the ticker.
TEST(Play, ALostGameShowsEveryHazardAndTheNamedResultEntersTheRankingAndTheTicker)
{
    GameSession game;
    ASSERT_TRUE(game.WaitUntilShown());
    std::vector<int> tiles = game.PlayUntilLost(game.StartGame());
    auto dialog = game.WaitForDialog("Top Ten");
    ASSERT_NE(dialog, nullptr);
    // The dialog's outer corner is placed from the main window's inside corner.
    XWindowAttributes attributes{};
    XGetWindowAttributes(dialog->GetDisplay(), dialog->Id(), &attributes);
    int dialogX, dialogY, mainX, mainY;
    dialog->Origin(dialogX, dialogY);
    game.Window().Origin(mainX, mainY);
    EXPECT_EQ(dialogX - attributes.border_width, mainX + (layout::kWidth - 250) / 2);
    EXPECT_EQ(dialogY - attributes.border_width, mainY + (layout::kHeight - 115) / 2);
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Count("aplay Data/Explosion.wav") == 1; }));

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
    EXPECT_TRUE(StartShows(game, "START"));
    EXPECT_EQ(CountTiles(tiles, board::kHazard), 10);
    const std::string line = Digits(CountUncovered(tiles), 8) + " ada          Level 1";
    EXPECT_EQ(game.Folder().Read("Data/Tarnbrook/Score/Classifica.txt"), line + "\n");
    const Area ticker =
        PaintedLabel("Top Ten: 1  Score " + line, layout::kWidth, 18, 0x00FFFF, 0x0000FF, 2, false);
    EXPECT_TRUE(
        WaitFor([&] { return game.Window().Shown(0, 10, layout::kWidth, 18) == ticker; }, 10000));
}

}  // namespace
