#include "util/Command.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <csignal>

#include "support/FakeCommands.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

// Each word reaches the program as it is, and nothing the game ignores is ignored there.
TEST(Command, StartProgramExecsTheWordsWithEverySignalAtItsDefault)
{
    testsupport::ScratchFolder folder;
    testsupport::FakeCommands fakes(folder.Path());
    std::signal(SIGPIPE, SIG_IGN);
    for (const pid_t child :
         {StartProgram({"firefox", "a b'c;$(touch pwned)"}),
          StartProgram({"sh", "-c", "grep SigIgn /proc/self/status >ignored"})}) {
        ASSERT_GT(child, 0);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
    }
    EXPECT_EQ(fakes.Calls(), std::vector<std::string>{"firefox a b'c;$(touch pwned)"});
    EXPECT_FALSE(folder.Exists("pwned"));
    const unsigned long long ignored = std::stoull(folder.Read("ignored").substr(8), nullptr, 16);
    EXPECT_EQ(ignored & (1ull << (SIGPIPE - 1)), 0u);
    EXPECT_EQ(StartProgram({"no-such-program-here"}), -1);
}

}  // namespace
}  // namespace tarnbrook
