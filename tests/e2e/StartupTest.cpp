#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/GameSession.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"

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

// Dialog buttons of the exit question (250 x 150): NO on the left, YES on the right.
constexpr int kNoX = 65;
constexpr int kYesX = 185;
constexpr int kButtonsY = 124;

TEST(Startup, TheOldLogGoesAndExitEndsTheGameOnlyAfterYesWithStatusZero)
{
    testsupport::GameSession game([](const testsupport::ScratchFolder& folder) {
        folder.Write("log.txt", "a line of an earlier run\n");
    });
    ASSERT_TRUE(game.WaitUntilShown());
    EXPECT_FALSE(game.Folder().Exists("log.txt"));

    game.ClickExit();
    auto question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(kNoX, kButtonsY);
    EXPECT_TRUE(testsupport::WaitFor([&] { return !question->Exists(); }));
    EXPECT_TRUE(game.Process().Running());

    game.ClickExit();
    question = game.WaitForDialog("Exit");
    ASSERT_NE(question, nullptr);
    question->ClickAt(kYesX, kButtonsY);
    EXPECT_EQ(game.Process().WaitForExit(), 0);
    EXPECT_EQ(game.Process().Output(), "");
    EXPECT_FALSE(game.Folder().Exists("log.txt"));
}

}  // namespace
