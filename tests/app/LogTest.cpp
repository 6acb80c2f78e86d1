#include "app/Log.h"

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(Log, CreatesTheFileOnTheFirstLineAndKeepsCallOrderAndLeadingBlanks)
{
    testsupport::ScratchFolder folder;
    EXPECT_FALSE(folder.Exists("log.txt"));
    WriteLog("first");
    WriteLog(std::string(" NON TROVATO! with a leading blank"));
    EXPECT_EQ(folder.Read("log.txt"), "first\n NON TROVATO! with a leading blank\n");
}

}  // namespace
}  // namespace tarnbrook
