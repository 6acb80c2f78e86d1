#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <memory>

#include "support/ChildProcesses.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;

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

// The game under a real window manager, started in a folder where an earlier run left a log.
class WithOpenbox : public ::testing::Test {
protected:
    void StartOpenbox(const ScratchFolder& folder)
    {
        folder.Write("log.txt", "a line of an earlier run\n");
        const std::string home = folder.Path();
        openbox = std::make_unique<ChildProcess>(
            "/usr/bin/openbox",
            std::vector<std::string>{"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
                                     "XDG_CACHE_HOME=" + home + "/cache"});
        managing = ManagesNewWindows(GameWindow().GetDisplay());
    }

    // What a title bar's close button does: the window manager is asked to close the window.
    void CloseThroughTheWindowManager()
    {
        Display* display = game.Window().GetDisplay();
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = game.Window().Id();
        event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[1] = 2;  // asked by the user's tools
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XSync(display, False);
    }

    std::unique_ptr<ChildProcess> openbox;
    bool managing = false;
    GameSession game{[this](const ScratchFolder& folder) { StartOpenbox(folder); }};
};

// The exit question (250 x 150) has NO on the left, YES on the right. The sound still playing,
// one that ignores SIGTERM, goes with the game.
TEST_F(WithOpenbox, TheOldLogGoesAndOnlyYesToTheExitQuestionEndsTheGameAndItsSound)
{
    ASSERT_TRUE(managing);
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_FALSE(game.Folder().Exists("log.txt"));
    game.Folder().Write("fake-bin/aplay",
                        "#!/bin/sh\ntrap '' TERM\necho $$ > aplay.pid\nexec sleep 60\n");
    game.Click(13, game.StartGame());
    ASSERT_TRUE(
        WaitFor([&] { return game.Folder().Read("aplay.pid").find('\n') != std::string::npos; }));
    const pid_t aplay = std::stoi(game.Folder().Read("aplay.pid"));

    CloseThroughTheWindowManager();
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

}  // namespace
