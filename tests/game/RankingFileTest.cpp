#include "game/RankingFile.h"

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

const std::string kPath = "Data/Tarnbrook/Score/Classifica.txt";

std::string EightDigits(int value)
{
    const std::string digits = std::to_string(value);
    return std::string(8 - digits.size(), '0') + digits;
}

// Ten lines of scores 1000, 900, ... 100, best first, as the game writes them.
std::string TenScores()
{
    std::string text;
    for (int rank = 10; rank >= 1; --rank) {
        const std::string name = "Player" + std::to_string(rank);
        text += EightDigits(rank * 100) + " " + name + std::string(12 - name.size(), ' ') +
                " Level 2\n";
    }
    return text;
}

// Root reads any file: without the capabilities that override them, permission bits bind this
// process too. Answers whether the change took effect.
bool EnforcePermissionBits(bool enforce)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    const unsigned overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    data[0].effective = enforce ? data[0].effective & ~overrides
                                : data[0].effective | (data[0].permitted & overrides);
    return syscall(SYS_capset, &header, data) == 0;
}

bool WellFormed(const std::string& line)
{
    return line.size() > 9 && line.find_first_not_of("0123456789") == 8 && line[8] == ' ';
}

TEST(RankingFile, TheFirstEntryCreatesTheFoldersAndAOneLineFile)
{
    testsupport::ScratchFolder folder;
    RankingFile ranking("Tarnbrook");
    EXPECT_TRUE(ranking.ReadLines().empty());
    EXPECT_FALSE(ranking.HasError());
    EXPECT_EQ(ranking.RankingFolder(), "Data/Tarnbrook/Score/");
    EXPECT_TRUE(folder.Exists("Data/Tarnbrook/Score"));
    EXPECT_TRUE(ranking.AddEntry(12, RankingFile::Entry("Anna", 3)));
    EXPECT_EQ(folder.Read(kPath), "00000012 Anna         Level 3\n");
}

// Each case: the file before, the results added, the file after.
TEST(RankingFile, ResultsAreSortedAndCutToTen)
{
    std::string twelve;
    for (int score = 1; score <= 12; ++score) {
        twelve += EightDigits(score) + " H\n";
    }
    const struct {
        const char* what;
        std::string before;
        std::vector<std::pair<int, std::string>> added;
        std::string after;
    } cases[] = {
        {"below ten better scores", TenScores(), {{5, "Zed"}}, TenScores()},
        {"nine digits and ties by the greater text",
         "",
         {{123456789, "Nine"}, {100, "Anna"}, {100, "Bert"}, {100, "Ann"}, {100, "\xC3\x89lise"}},
         "23456789 Nine\n00000100 \xC3\x89lise\n00000100 Bert\n00000100 Anna\n00000100 Ann\n"},
        {"twelve hand-written lines",
         twelve + "a line of its own\n",
         {{7, "New"}},
         "a line of its own\n00000012 H\n00000011 H\n00000010 H\n00000009 H\n"
         "00000008 H\n00000007 New\n00000007 H\n00000006 H\n00000005 H\n"},
        {"carriage returns", "00000300 X\r\n00000100 Y\r\n", {{200, "Z"}},
         "00000300 X\r\n00000200 Z\n00000100 Y\r\n"},
    };
    for (const auto& entry : cases) {
        testsupport::ScratchFolder folder;
        if (!entry.before.empty()) {
            folder.Write(kPath, entry.before);
        }
        RankingFile ranking("Tarnbrook");
        for (const auto& [score, text] : entry.added) {
            EXPECT_TRUE(ranking.AddEntry(score, text)) << entry.what;
        }
        EXPECT_EQ(folder.Read(kPath), entry.after) << entry.what;
    }
}

TEST(RankingFile, AFolderInTheWayIsAnErrorAndWritesNothing)
{
    testsupport::ScratchFolder folder;
    folder.Write("Data/Tarnbrook", "a file, not a folder");
    RankingFile ranking("Tarnbrook");
    EXPECT_EQ(ranking.RankingFolder(), "");
    EXPECT_TRUE(ranking.ReadLines().empty());
    EXPECT_TRUE(ranking.HasError());
    EXPECT_FALSE(ranking.AddEntry(10, "Anna"));
    EXPECT_FALSE(ranking.Save({"00000010 Anna"}));
    EXPECT_TRUE(ranking.HasError());
    EXPECT_EQ(folder.Read("Data/Tarnbrook"), "a file, not a folder");
}

TEST(RankingFile, AnUnreadableFileIsNeverOverwritten)
{
    testsupport::ScratchFolder folder;
    const std::string ten = TenScores();
    folder.Write(kPath, ten);
    ASSERT_EQ(chmod(kPath.c_str(), 0), 0);
    ASSERT_TRUE(EnforcePermissionBits(true));
    RankingFile ranking("Tarnbrook");
    EXPECT_TRUE(ranking.ReadLines().empty());
    EXPECT_TRUE(ranking.HasError());
    EXPECT_FALSE(ranking.AddEntry(5000, "Carl"));
    EXPECT_TRUE(ranking.HasError());
    EXPECT_TRUE(EnforcePermissionBits(false));
    ASSERT_EQ(chmod(kPath.c_str(), 0644), 0);
    EXPECT_EQ(folder.Read(kPath), ten);
}

TEST(RankingFile, AFullDiskLeavesThePreviousRanking)
{
    testsupport::ScratchFolder folder;
    const std::string ten = TenScores();
    folder.Write(kPath, ten);
    // The new ranking is written beside the old one first; here that write meets a full disk.
    ASSERT_EQ(symlink("/dev/full", (kPath + ".tmp").c_str()), 0);
    RankingFile ranking("Tarnbrook");
    EXPECT_FALSE(ranking.AddEntry(5000, "Carl"));
    EXPECT_TRUE(ranking.HasError());
    EXPECT_EQ(folder.Read(kPath), ten);
    EXPECT_FALSE(folder.Exists(kPath + ".tmp"));
    EXPECT_TRUE(ranking.AddEntry(5000, "Carl"));
}

TEST(RankingFile, ASaveKilledAtAnyMomentLeavesACompleteRanking)
{
    testsupport::ScratchFolder folder;
    folder.Write(kPath, TenScores());
    for (int round = 0; round < 30; ++round) {
        int saves[2];
        ASSERT_EQ(pipe(saves), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(saves[0]);
            RankingFile ranking("Tarnbrook");
            for (int score = 2000;; ++score) {
                ranking.AddEntry(score, "Child");
                if (write(saves[1], "s", 1) != 1) {
                    _exit(1);
                }
            }
        }
        close(saves[1]);
        char saved;
        for (int save = 0; save <= round % 3; ++save) {
            ASSERT_EQ(read(saves[0], &saved, 1), 1);
        }
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        close(saves[0]);

        RankingFile ranking("Tarnbrook");
        const std::vector<std::string> lines = ranking.ReadLines();
        EXPECT_FALSE(ranking.HasError());
        ASSERT_EQ(lines.size(), 10u) << "round " << round;
        for (const std::string& line : lines) {
            ASSERT_TRUE(WellFormed(line)) << "round " << round << ": " << line;
        }
    }
    RankingFile ranking("Tarnbrook");
    EXPECT_TRUE(ranking.AddEntry(1, "Last"));
    EXPECT_FALSE(folder.Exists(kPath + ".tmp"));
}

}  // namespace
}  // namespace tarnbrook
