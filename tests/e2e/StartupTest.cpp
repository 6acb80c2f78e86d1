#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"

namespace {

TEST(Startup, WithoutADisplayTheProgramStopsWithStatusOne)
{
    testsupport::ScratchFolder folder;
    folder.Write("log.txt", "a line of an earlier run\n");
    testsupport::ChildProcess game(TARNBROOK_BINARY, {"DISPLAY"});
    EXPECT_EQ(game.WaitForExit(), 1);
    EXPECT_EQ(game.Output(), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(folder.Read("log.txt"), "XOpenDisplay(0) failed.\n");
}

}  // namespace
