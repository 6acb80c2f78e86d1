#include <gtest/gtest.h>

#include "gfx/Screen.h"

#include <fcntl.h>

#include <cstdlib>
#include <string>

#include "support/ScratchFolder.h"
#include "support/VirtualXServer.h"

namespace tarnbrook {
namespace {

TEST(ScreenDisplay, TheFirstScreenIsTheDefaultAndClosesOnce)
{
    testsupport::ScratchFolder folder;
    auto screen = std::make_unique<Screen>("title");
    ASSERT_NE(screen->GetDisplay(), nullptr);
    EXPECT_EQ(screen->GetDepth(), 24);
    {
        Screen second("second");
        EXPECT_EQ(Screen::Default(), screen.get());
    }
    EXPECT_EQ(ScreenWidth(), 1280);
    EXPECT_EQ(ScreenHeight(), 1024);

    Display* display = screen->GetDisplay();
    // Programs the game starts do not inherit its connection.
    EXPECT_EQ(fcntl(ConnectionNumber(display), F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
    XWarpPointer(display, None, RootWindow(display, screen->GetScreenNumber()), 0, 0, 0, 0, 321,
                 123);
    XSync(display, False);
    EXPECT_EQ(GetPointerPosition().x, 321);
    EXPECT_EQ(GetPointerPosition().y, 123);

    EXPECT_TRUE(screen->Close());
    EXPECT_FALSE(screen->Close());
    screen.reset();
    EXPECT_EQ(ScreenWidth(), 0);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

TEST(ScreenDisplay, AShallowScreenIsReportedAndKeptOpen)
{
    testsupport::VirtualXServer shallow(16, 800, 600);
    ASSERT_TRUE(shallow.Started());
    testsupport::ScratchFolder folder;
    const std::string shared = std::getenv("DISPLAY");
    setenv("DISPLAY", shallow.Name().c_str(), 1);
    Screen screen("title");
    setenv("DISPLAY", shared.c_str(), 1);
    EXPECT_NE(screen.GetDisplay(), nullptr);
    EXPECT_EQ(screen.GetDepth(), 16);
    EXPECT_EQ(folder.Read("log.txt"), "This app requires 24-bit depth.\n");
    EXPECT_TRUE(screen.Close());
}

}  // namespace
}  // namespace tarnbrook
