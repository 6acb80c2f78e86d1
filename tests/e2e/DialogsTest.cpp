#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <memory>

#include "support/ChildProcess.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using testsupport::ChildProcess;
using testsupport::GameSession;
using testsupport::ScratchFolder;

const char* const kBeep = "aplay Data/beep.wav";
constexpr int kNoX = 65;
constexpr int kYesX = 185;
constexpr int kButtonsY = 124;

TEST(Dialogs, APressOnTheMainWindowWhileADialogIsOpenBeepsAndRaisesTheDialog)
{
    GameSession game;
    ASSERT_TRUE(game.WaitUntilShown());
    game.ClickInfo();
    auto about = game.WaitForDialog("Info...");
    ASSERT_NE(about, nullptr);

    Display* display = game.Window().GetDisplay();
    XRaiseWindow(display, game.Window().Id());
    XSync(display, False);
    ASSERT_TRUE(game.Window().IsAbove(about->Id()));

    game.Window().ClickAt(300, 60);
    EXPECT_TRUE(testsupport::WaitFor([&] { return about->IsAbove(game.Window().Id()); }));
    EXPECT_TRUE(testsupport::WaitFor([&] { return game.CountCalls(kBeep) == 1; }));
}

// A real window manager around the game, started before it and stopped after it.
class WithOpenbox : public ::testing::Test {
protected:
    void StartOpenbox(const ScratchFolder& folder)
    {
        const std::string home = folder.Path();
        openbox = std::make_unique<ChildProcess>(
            "/usr/bin/openbox",
            std::vector<std::string>{"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
                                     "XDG_CACHE_HOME=" + home + "/cache"});
        Display* display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        managing = ManagesNewWindows(display);
        XCloseDisplay(display);
    }

    // Openbox announces itself before it serves map requests, and a request made meanwhile may
    // be lost: a probe window mapped (again, if need be) until it is framed shows that it serves.
    static bool ManagesNewWindows(Display* display)
    {
        const Window root = DefaultRootWindow(display);
        const Window probe = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
        bool framed = false;
        for (int attempt = 0; attempt < 20 && !framed; ++attempt) {
            XUnmapWindow(display, probe);
            XMapWindow(display, probe);
            XSync(display, False);
            framed = testsupport::WaitFor([&] { return ParentOf(display, probe) != root; }, 500);
        }
        XDestroyWindow(display, probe);
        XSync(display, False);
        return framed;
    }

    static Window ParentOf(Display* display, Window window)
    {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, window, &root, &parent, &children, &count);
        if (children) {
            XFree(children);
        }
        return parent;
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
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2;  // asked by the user's tools
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XSync(display, False);
    }

    std::unique_ptr<ChildProcess> openbox;
    bool managing = false;
    GameSession game{[this](const ScratchFolder& folder) { StartOpenbox(folder); }};
};

TEST_F(WithOpenbox, TheCloseButtonAsksAndOnlyYesEndsTheGame)
{
    ASSERT_TRUE(managing);
    ASSERT_TRUE(game.WaitUntilShown());

    CloseThroughTheWindowManager();
    auto question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(kNoX, kButtonsY);
    EXPECT_TRUE(testsupport::WaitFor([&] { return !question->Exists(); }));
    EXPECT_TRUE(game.Process().Running());
    EXPECT_TRUE(game.Window().Exists());

    CloseThroughTheWindowManager();
    question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(kYesX, kButtonsY);
    EXPECT_EQ(game.Process().WaitForExit(), 0);
    EXPECT_FALSE(game.Folder().Exists("log.txt"));
}

}  // namespace
