#include "util/Command.h"

#include <gtest/gtest.h>

#include "support/FakeCommands.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(Command, AnswersTrueOnlyWhenTheCommandFails)
{
    EXPECT_FALSE(RunShell("exit 0"));
    EXPECT_TRUE(RunShell("exit 3"));
    EXPECT_TRUE(RunCommand("false", ""));
}

TEST(Command, JoinsProgramAndArgumentsWithOneBlank)
{
    testsupport::ScratchFolder folder;
    testsupport::FakeCommands fakes(folder.Path());
    EXPECT_FALSE(RunCommand("aplay", "Data/beep.wav"));
    EXPECT_FALSE(RunShell("firefox https://www.example.org"));
    EXPECT_EQ(fakes.Calls(),
              (std::vector<std::string>{"aplay Data/beep.wav", "firefox https://www.example.org"}));
}

}  // namespace
}  // namespace tarnbrook
