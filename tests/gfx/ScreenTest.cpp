#include <gtest/gtest.h>

#include "gfx/Screen.h"

#include <cstdlib>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(Screen, WithoutADisplayStaysClosedAndSaysSo)
{
    testsupport::ScratchFolder folder;
    EXPECT_EQ(ScreenWidth() + ScreenHeight() + GetPointerPosition().x + GetPointerPosition().y, 0);
    setenv("DISPLAY", ":9999", 1);
    Screen screen("title");
    EXPECT_TRUE(screen.HasOpenFailed());
    EXPECT_EQ(screen.GetDisplay(), nullptr);
    EXPECT_EQ(screen.GetWidth(), 800);
    EXPECT_EQ(screen.GetHeight(), 600);
    EXPECT_FALSE(screen.Close());
    EXPECT_EQ(folder.Read("log.txt"), "XOpenDisplay(0) failed.\n");
}

}  // namespace
}  // namespace tarnbrook
