#include <gtest/gtest.h>

#include "gfx/Screen.h"

#include <cstdlib>
#include <string>

#include "support/ScratchFolder.h"
#include "support/VirtualXServer.h"

namespace tarnbrook {
namespace {

TEST(ScreenDisplay, OpensTheDefaultDisplayAndClosesOnce)
{
    testsupport::ScratchFolder folder;
    auto screen = std::make_unique<Screen>("title");
    ASSERT_FALSE(screen->HasOpenFailed());
    EXPECT_NE(screen->GetDisplay(), nullptr);
    EXPECT_EQ(screen->GetWidth(), 1280);
    EXPECT_EQ(screen->GetHeight(), 1024);
    EXPECT_EQ(screen->GetDepth(), 24);
    EXPECT_NE(screen->GetVisualInfo(), nullptr);
    EXPECT_EQ(Screen::Default(), screen.get());
    EXPECT_EQ(ScreenWidth(), 1280);
    EXPECT_EQ(ScreenHeight(), 1024);

    EXPECT_TRUE(screen->Close());
    EXPECT_FALSE(screen->Close());
    screen.reset();
    EXPECT_EQ(ScreenWidth(), 0);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

TEST(ScreenDisplay, TheFirstScreenStaysTheDefault)
{
    Screen first("first");
    Screen second("second");
    EXPECT_EQ(Screen::Default(), &first);
}

TEST(ScreenDisplay, PointerPositionComesFromTheRootWindow)
{
    Screen screen("title");
    ASSERT_NE(screen.GetDisplay(), nullptr);
    Display* display = screen.GetDisplay();
    XWarpPointer(display, None, RootWindow(display, screen.GetScreenNumber()), 0, 0, 0, 0, 321, 123);
    XSync(display, False);
    Point where = GetPointerPosition();
    EXPECT_EQ(where.x, 321);
    EXPECT_EQ(where.y, 123);
}

TEST(ScreenDisplay, AShallowScreenIsReportedAndKeptOpen)
{
    testsupport::VirtualXServer shallow(16, 800, 600);
    ASSERT_TRUE(shallow.Started());
    testsupport::ScratchFolder folder;
    setenv("DISPLAY", shallow.Name().c_str(), 1);
    Screen screen("title");
    EXPECT_FALSE(screen.HasOpenFailed());
    EXPECT_NE(screen.GetDisplay(), nullptr);
    EXPECT_EQ(screen.GetDepth(), 16);
    EXPECT_EQ(folder.Read("log.txt"), "This app requires 24-bit depth.\n");
    EXPECT_TRUE(screen.Close());
}

}  // namespace
}  // namespace tarnbrook
