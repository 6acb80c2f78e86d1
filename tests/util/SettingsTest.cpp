#include "util/Settings.h"

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(Settings, SavedValuesComeBackUnchanged)
{
    testsupport::ScratchFolder folder;
    EXPECT_EQ(LoadSetting("Tarnbrook", "Player", "name.txt"), "");
    EXPECT_TRUE(SaveSetting("Tarnbrook", "Player", "name.txt", "Ann"));
    EXPECT_EQ(folder.Read("Settings/Tarnbrook/Player/name.txt"), "Ann\n");
    for (const std::string value :
         {"Ann", "", "two\nlines", "ends in break\n", "\r\n", " blank "}) {
        EXPECT_TRUE(SaveSetting("Tarnbrook", "Player", "name.txt", value));
        EXPECT_EQ(LoadSetting("Tarnbrook", "Player", "name.txt"), value);
    }
    folder.Write("Settings/Tarnbrook/Blocked", "a file where a folder belongs");
    EXPECT_FALSE(SaveSetting("Tarnbrook", "Blocked", "value.txt", "x"));
}

}  // namespace
}  // namespace tarnbrook
