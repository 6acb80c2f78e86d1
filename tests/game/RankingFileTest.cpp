#include "game/RankingFile.h"

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "game/RankingTicker.h"
#include "game/TileFile.h"
#include "support/ScratchFolder.h"
#include "util/StringUtils.h"

namespace tarnbrook {
namespace {

using testsupport::ScratchFolder;

const std::string kPath = "Data/Tarnbrook/Score/Classifica.txt";
const std::string kReadError = "Errore lettura " + kPath + "\n";
const std::string kSaveError = "Errore salvataggio " + kPath + "\n";

std::string Line(int score, const std::string& text)
{
    return PadLeft(std::to_string(score), '0', 8) + " " + text + "\n";
}

// Ten lines of scores 1000, 900, ... 100, best first, as the game writes them.
std::string TenScores()
{
    std::string text;
    for (int rank = 10; rank >= 1; --rank) {
        text += Line(rank * 100, "Player" + std::to_string(rank) + "      Level 2");
    }
    return text;
}

// Drops or restores the capabilities that let root ignore permission bits.
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

// Runs the body in a child process that ends with its answer.
pid_t Fork(const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(body() ? 0 : 1);
    }
    return child;
}

// Each case: the file before, the results added, the file after.
TEST(RankingFile, ResultsAreSortedAndCutToTenInFoldersMadeOnTheFirstEntry)
{
    std::string twelve;
    for (int score = 1; score <= 12; ++score) {
        twelve += Line(score, "H");
    }
    const struct {
        std::string before;
        std::vector<std::pair<int, std::string>> added;
        std::string after;
    } cases[] = {
        {"", {{12, RankingFile::Entry("Anna", 3)}}, "00000012 Anna         Level 3\n"},
        {TenScores(), {{5, "Zed"}}, TenScores()},
        {"",  // nine digits, and ties by the greater text
         {{123456789, "Nine"}, {100, "Anna"}, {100, "Bert"}, {100, "Ann"}, {100, "\xC3\x89lise"}},
         "23456789 Nine\n00000100 \xC3\x89lise\n00000100 Bert\n00000100 Anna\n00000100 Ann\n"},
        {twelve + "a line of its own\n",
         {{7, "New"}},
         "a line of its own\n00000012 H\n00000011 H\n00000010 H\n00000009 H\n"
         "00000008 H\n00000007 New\n00000007 H\n00000006 H\n00000005 H\n"},
        {"00000300 X\r\n00000100 Y\r\n", {{200, "Z"}}, "00000300 X\r\n00000200 Z\n00000100 Y\r\n"},
    };
    for (const auto& entry : cases) {
        ScratchFolder folder;
        if (!entry.before.empty()) {
            folder.Write(kPath, entry.before);
        }
        RankingFile ranking("Tarnbrook");
        for (const auto& [score, text] : entry.added) {
            EXPECT_TRUE(ranking.AddEntry(score, text)) << entry.after;
        }
        EXPECT_EQ(folder.Read(kPath), entry.after);
        EXPECT_FALSE(ranking.HasError());
    }

    ScratchFolder folder;
    EXPECT_TRUE(RankingFile("Tarnbrook").ReadLines().empty());
    EXPECT_EQ(RankingFile("Tarnbrook").RankingFolder(), "Data/Tarnbrook/Score/");
    EXPECT_TRUE(folder.Exists("Data/Tarnbrook/Score"));
    folder.Write("Data/Other", "a file, not a folder");
    RankingFile blocked("Other");
    EXPECT_EQ(blocked.RankingFolder(), "");
    EXPECT_TRUE(blocked.ReadLines().empty() && blocked.HasError());
    EXPECT_FALSE(blocked.AddEntry(10, "Anna") || blocked.Save({"00000010 Anna"}));
    EXPECT_EQ(folder.Read("Data/Other"), "a file, not a folder");
}

// Each case puts something that is no readable ranking where the file belongs.
TEST(RankingFile, OnlyASmallRegularFileIsReadAndAnythingElseIsNeverOverwritten)
{
    const std::string ten = TenScores();
    const std::vector<std::function<void(const ScratchFolder&)>> cases = {
        [&](const ScratchFolder& f) { f.Write(kPath, ten), chmod(kPath.c_str(), 0); },
        [](const ScratchFolder&) { symlink("/dev/zero", kPath.c_str()); },
        [](const ScratchFolder&) { mkfifo(kPath.c_str(), 0644); },
        [&](const ScratchFolder& f) { f.Write(kPath, std::string(65537 - ten.size(), '0') + ten); },
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        ScratchFolder folder;
        RankingFile ranking("Tarnbrook");
        ranking.RankingFolder();
        cases[i](folder);
        struct stat before, after;
        ASSERT_EQ(lstat(kPath.c_str(), &before), 0) << i;
        ASSERT_TRUE(EnforcePermissionBits(true));
        EXPECT_TRUE(ranking.ReadLines().empty() && ranking.HasError()) << i;
        EXPECT_FALSE(ranking.AddEntry(5000, "Carl")) << i;
        EXPECT_TRUE(EnforcePermissionBits(false));
        ASSERT_EQ(lstat(kPath.c_str(), &after), 0);
        EXPECT_EQ(std::tie(after.st_mode, after.st_size, after.st_mtim.tv_nsec),
                  std::tie(before.st_mode, before.st_size, before.st_mtim.tv_nsec))
            << i;
        EXPECT_EQ(folder.Read("log.txt"), kReadError + kReadError) << i;
    }
}

// A link, file or folder left under the temporary name never blocks a save; a save that cannot
// be written whole keeps the old file.
TEST(RankingFile, ATemporaryLeftInTheWayNeverBlocksASaveAndAFailedWriteKeepsTheOldFile)
{
    const std::string temporary = kPath + ".tmp";
    const std::vector<std::function<int(const ScratchFolder&)>> leftovers = {
        [&](const ScratchFolder&) { return symlink("../../../other.txt", temporary.c_str()); },
        [&](const ScratchFolder& f) { return f.Write(temporary, "half a ranking"), 0; },
        [&](const ScratchFolder&) { return mkdir(temporary.c_str(), 0755); },
    };
    for (size_t i = 0; i < leftovers.size(); ++i) {
        ScratchFolder folder;
        folder.Write(kPath, "00000010 Old\n");
        folder.Write("other.txt", "not the ranking\n");
        ASSERT_EQ(leftovers[i](folder), 0);
        EXPECT_TRUE(RankingFile("Tarnbrook").AddEntry(20, "New")) << i;
        EXPECT_EQ(folder.Read(kPath), "00000020 New\n00000010 Old\n") << i;
        EXPECT_EQ(folder.Read("other.txt"), "not the ranking\n") << i;
        struct stat info;
        EXPECT_TRUE(lstat(kPath.c_str(), &info) == 0 && S_ISREG(info.st_mode)) << i;
        EXPECT_FALSE(folder.Exists(temporary)) << i;
    }

    ScratchFolder folder;
    folder.Write(kPath, TenScores());
    // Files may not grow past 200 bytes: the new ranking cannot be written whole.
    signal(SIGXFSZ, SIG_IGN);
    rlimit previous{}, small{};
    getrlimit(RLIMIT_FSIZE, &previous);
    small = {200, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    RankingFile ranking("Tarnbrook");
    EXPECT_FALSE(ranking.AddEntry(5000, "Carl"));
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, SIG_DFL);
    EXPECT_TRUE(ranking.HasError());
    EXPECT_EQ(folder.Read(kPath), TenScores());
    EXPECT_FALSE(folder.Exists(temporary));
    EXPECT_EQ(folder.Read("log.txt"), kSaveError);
    EXPECT_TRUE(ranking.AddEntry(5000, "Carl"));
}

// A read-only folder is rewritten in place, a read-only file left alone; modes stay.
TEST(RankingFile, ASaveKeepsTheModeAndGoesInPlaceWhenTheFolderIsReadOnly)
{
    ScratchFolder folder;
    folder.Write(kPath, "00000010 Old\n");
    ASSERT_EQ(chmod(kPath.c_str(), 0600), 0);
    RankingFile ranking("Tarnbrook");
    EXPECT_TRUE(ranking.AddEntry(20, "New"));

    ASSERT_EQ(chmod("Data/Tarnbrook/Score", 0555), 0);
    ASSERT_TRUE(EnforcePermissionBits(true));
    EXPECT_TRUE(ranking.AddEntry(30, "InPlace"));
    ASSERT_EQ(chmod(kPath.c_str(), 0444), 0);
    ASSERT_EQ(chmod("Data/Tarnbrook/Score", 0755), 0);
    EXPECT_FALSE(ranking.AddEntry(40, "Refused"));
    EXPECT_TRUE(EnforcePermissionBits(false));

    EXPECT_EQ(folder.Read(kPath), "00000030 InPlace\n00000020 New\n00000010 Old\n");
    EXPECT_EQ(folder.Read("log.txt"), kSaveError);
    struct stat info;
    ASSERT_EQ(stat(kPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    ASSERT_EQ(chmod(kPath.c_str(), 0600), 0);
    EXPECT_TRUE(ranking.AddEntry(50, "Kept"));
    ASSERT_EQ(stat(kPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// Two games each add five results at the same moment, round after round: all ten stay.
TEST(RankingFile, TwoGamesSavingAtOnceKeepBothResults)
{
    ScratchFolder folder;
    RankingFile("Tarnbrook").RankingFolder();
    for (int round = 1; round <= 3; ++round) {
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        std::vector<pid_t> games;
        for (int game = 0; game < 2; ++game) {
            games.push_back(Fork([&] {
                char start;
                close(go[1]);
                bool saved = read(go[0], &start, 1) == 0;
                for (int entry = 0; entry < 5; ++entry) {
                    saved &=
                        RankingFile("Tarnbrook").AddEntry(round * 100 + game * 10 + entry, "G");
                }
                return saved;
            }));
        }
        close(go[0]);
        close(go[1]);  // both start
        std::string expected;
        for (int score : {14, 13, 12, 11, 10, 4, 3, 2, 1, 0}) {
            expected += Line(round * 100 + score, "G");
        }
        for (pid_t game : games) {
            int status = -1;
            waitpid(game, &status, 0);
            EXPECT_EQ(status, 0);
        }
        ASSERT_EQ(folder.Read(kPath), expected) << "round " << round;
    }
}

TEST(RankingFile, ASaveKilledAtAnyMomentLeavesACompleteRanking)
{
    ScratchFolder folder;
    folder.Write(kPath, TenScores());
    for (int round = 0; round < 30; ++round) {
        int saves[2];
        ASSERT_EQ(pipe(saves), 0);
        const pid_t child = Fork([&] {
            close(saves[0]);
            RankingFile ranking("Tarnbrook");
            for (int score = 2000; write(saves[1], "s", 1) == 1; ++score) {
                ranking.AddEntry(score, "Child");
            }
            return false;
        });
        close(saves[1]);
        char saved;
        for (int save = 0; save <= round % 3 + 1; ++save) {
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
            ASSERT_TRUE(line.size() > 9 && line.find_first_not_of("0123456789") == 8 &&
                        line[8] == ' ')
                << "round " << round << ": " << line;
        }
    }
    EXPECT_TRUE(RankingFile("Tarnbrook").AddEntry(1, "Last"));
    EXPECT_FALSE(folder.Exists(kPath + ".tmp"));
}

int64_t tickerSeconds = 0;

// Each line in turn, then an empty period, then again; new lines come in where the cycle
// stands. A clock set back an hour holds the bar for no more than one interval.
TEST(RankingTicker, ShowsEachLineInTurnThenAnEmptyPeriodThenStartsAgain)
{
    RankingTicker ticker([] { return tickerSeconds; });
    auto at = [&](int64_t seconds) {
        tickerSeconds = seconds;
        return ticker.Advance();
    };
    ticker.SetLines({"00300 Anna Level 3", "00120 Bruno Level 2", "00010 Carla Level 1"});
    EXPECT_EQ(at(0), std::nullopt);  // the first tick starts the clock
    EXPECT_EQ(at(5), std::nullopt);  // five whole seconds are not enough
    EXPECT_EQ(at(6), "Top Ten: 1  Score 00300 Anna Level 3");
    EXPECT_EQ(at(11), std::nullopt);
    EXPECT_EQ(at(12), "Top Ten: 2  Score 00120 Bruno Level 2");
    EXPECT_EQ(at(18), "Top Ten: 3  Score 00010 Carla Level 1");
    EXPECT_EQ(at(24), "");
    EXPECT_EQ(at(30), "Top Ten: 1  Score 00300 Anna Level 3");
    ticker.SetLines({"00500 Dario Level 4", "00400 Elena Level 3"});
    EXPECT_EQ(at(36), "Top Ten: 2  Score 00400 Elena Level 3");
    EXPECT_EQ(at(42 - 3600), std::nullopt);
    EXPECT_EQ(at(47 - 3600), std::nullopt);
    EXPECT_EQ(at(48 - 3600), "");
}

// A missing file leaves buffer and size alone; a file of another size, or a folder, is refused
// and its buffer released. The committed strip loads whole and quietly.
TEST(TileFile, MissingOrWrongFilesAreLoggedAndRefusedAndTheCommittedStripLoads)
{
    testsupport::ScratchFolder folder;
    ASSERT_EQ(mkdir("tiles.bin", 0755), 0);
    const std::string wrong = "Errore loading Data/terreno27x27.bin\n";
    const struct {
        std::string bytes;  // "-" for no file
        const char* path;
        int size;
        std::string log;
    } cases[] = {{"-", kTileFilePath, 0, "Data/terreno27x27.bin: non trovato\n"},
                 {std::string(kTileFileBytes - 1, '\x7F'), kTileFilePath, -1, wrong},
                 {std::string(kTileFileBytes + 1, '\x7F'), kTileFilePath, -1, wrong},
                 {"", kTileFilePath, -1, wrong},
                 {"-", "tiles.bin", -1, "Errore loading tiles.bin\n"}};
    std::string log;
    for (const auto& entry : cases) {
        if (entry.bytes != "-") {
            folder.Write(entry.path, entry.bytes);
        }
        std::vector<unsigned char> buffer(entry.size ? 100 : 0, 1);
        int size = 0;
        EXPECT_FALSE(LoadBinaryFile(entry.path, buffer, size, kTileFileBytes)) << entry.log;
        EXPECT_EQ(buffer.capacity(), 0u) << entry.log;
        EXPECT_EQ(size, entry.size) << entry.log;
        EXPECT_EQ(folder.Read("log.txt"), log += entry.log);
    }

    testsupport::ScratchFolder data;
    data.CopyDataFolder();
    std::vector<unsigned char> buffer;
    int size = 0;
    ASSERT_TRUE(LoadBinaryFile(kTileFilePath, buffer, size, 41553));
    EXPECT_EQ(size, 41553);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), data.Read(kTileFilePath));
    EXPECT_EQ(TileIcon(buffer.data(), 14).size(), 2u + 27 * 27);
    EXPECT_FALSE(data.Exists("log.txt"));
}

}  // namespace
}  // namespace tarnbrook
