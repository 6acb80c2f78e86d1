#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"

namespace {

TEST(Startup, WithoutADisplayTheProgramStopsWithStatusOneAndLogsWhateverItsOutputIs)
{
    testsupport::ScratchFolder folder;
    folder.Write("log.txt", "a line of an earlier run\n");
    testsupport::ChildProcess game(TARNBROOK_BINARY, {"DISPLAY"});
    EXPECT_EQ(game.WaitForExit(), 1);
    EXPECT_EQ(game.Output(), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(folder.Read("log.txt"), "XOpenDisplay(0) failed.\n");

    // Standard output a pipe nobody reads, the other two closed: the line is logged all the same.
    std::remove("log.txt");
    const pid_t child = fork();
    if (child == 0) {
        int ends[2];
        if (pipe(ends) != 0 || dup2(ends[1], 1) != 1 || close(ends[0]) || close(0) || close(2)) {
            _exit(9);
        }
        unsetenv("DISPLAY");
        execl(TARNBROOK_BINARY, TARNBROOK_BINARY, static_cast<char*>(nullptr));
        _exit(9);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(folder.Read("log.txt"), "XOpenDisplay(0) failed.\n");
}

}  // namespace
