#include "app/Log.h"

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(Log, WritesLinesInCallOrderKeepingLeadingBlanks)
{
    testsupport::ScratchFolder folder;
    WriteLog("first");
    WriteLog(std::string(" NON TROVATO! with a leading blank"));
    EXPECT_EQ(folder.Read("log.txt"), "first\n NON TROVATO! with a leading blank\n");
}

TEST(Log, CreatesTheFileOnTheFirstLineOnly)
{
    testsupport::ScratchFolder folder;
    EXPECT_FALSE(folder.Exists("log.txt"));
    WriteLog("only line");
    EXPECT_EQ(folder.Read("log.txt"), "only line\n");
}

}  // namespace
}  // namespace tarnbrook
