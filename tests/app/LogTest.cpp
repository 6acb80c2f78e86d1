#include "app/Log.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

// A program started with standard output a closed pipe, or closed, writes its log all the same,
// leading blank kept: no SIGPIPE ends it, and no file opened later receives the lines meant for
// standard output.
TEST(Log, AClosedOrBrokenStandardOutputNeitherStopsNorMisdirectsTheLog)
{
    for (bool broken : {true, false}) {
        testsupport::ScratchFolder folder;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int pipeEnds[2];
            if (broken && pipe(pipeEnds) == 0) {
                close(pipeEnds[0]);
                dup2(pipeEnds[1], 1);
            } else {
                close(1);
            }
            PrepareLog();
            const int other = open("other.txt", O_WRONLY | O_CREAT, 0644);
            WriteLog(" a line");
            _exit(other > 2 ? 0 : 3);
        }
        int status = -1;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << broken << " " << status;
        EXPECT_EQ(folder.Read("log.txt"), " a line\n") << broken;
        EXPECT_EQ(folder.Read("other.txt"), "") << broken;
    }
}

}  // namespace
}  // namespace tarnbrook
