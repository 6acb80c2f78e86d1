#include "util/FileUtils.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <csignal>

#include "support/FakeCommands.h"
#include "support/ScratchFolder.h"
#include "util/Command.h"
#include "util/TextFile.h"

namespace tarnbrook {
namespace {

using Names = std::vector<std::string>;  // file names or lines

TEST(FileUtils, PathHelpers)
{
    const struct {
        const char* path;
        const char* withSeparator;
        const char* folder;
        const char* name;
    } cases[] = {{"Data", "Data/", "", "Data"},
                 {"Data/", "Data/", "Data/", ""},
                 {"C:", "C:", "C:", ""},
                 {"Data\\", "Data\\", "Data/", ""},
                 {"", "", "", ""},
                 {"a/b/c.txt", "a/b/c.txt/", "a/b/", "c.txt"},
                 {"c:file", "c:file/", "c:", "file"},
                 {"x\\y\\z.bmp", "x\\y\\z.bmp/", "x/y/", "z.bmp"}};
    for (const auto& entry : cases) {
        EXPECT_EQ(AddTrailingSeparator(entry.path), entry.withSeparator) << entry.path;
        EXPECT_EQ(ExtractFolder(std::string(entry.path)), entry.folder) << entry.path;
        EXPECT_EQ(ExtractFileName(entry.path), entry.name) << entry.path;
    }
    std::string windows = "x\\y\\z.bmp";
    ExtractFolder(windows);
    EXPECT_EQ(windows, "x/y/z.bmp");

    EXPECT_EQ(AddSuffixIfMissing("pic", ".bmp"), "pic.bmp");
    EXPECT_EQ(AddSuffixIfMissing("pic.BMP", ".bmp"), "pic.BMP");
    EXPECT_EQ(AddSuffixIfMissing("pic.txt", ".bmp"), "pic.txt.bmp");
    EXPECT_EQ(AddSuffixIfMissing("a", ".bmp"), "a.bmp");
    EXPECT_EQ(AddSuffixIfMissing("", ".bmp"), "");
    EXPECT_EQ(AddSuffixIfMissing(".bmp", ".bmp"), ".bmp.bmp");
}

TEST(FileUtils, ExistsSizeRemoveCopyFoldersAndListingsOfRegularFiles)
{
    testsupport::ScratchFolder folder;
    const std::string bytes("a\0b\r\n\xFF", 6);
    folder.Write("source.bin", bytes);
    folder.Write("target.bin", "an older and much longer content");
    EXPECT_TRUE(CopyFile("source.bin", "target.bin"));
    EXPECT_EQ(folder.Read("target.bin"), bytes);
    EXPECT_EQ(FileSize("target.bin"), 6);
    EXPECT_FALSE(CopyFile("missing.bin", "other.bin"));
    EXPECT_FALSE(FileExists("other.bin"));
    EXPECT_EQ(FileSize("other.bin"), 0);
    folder.Write("empty.bin", "");
    EXPECT_FALSE(CopyFile("empty.bin", "other.bin"));
    EXPECT_FALSE(CopyFile("source.bin", "no/such/folder/copy.bin"));

    EXPECT_TRUE(RemoveFile("source.bin"));
    EXPECT_FALSE(FileExists("source.bin"));
    EXPECT_FALSE(RemoveFile("source.bin"));

    EXPECT_TRUE(MakeFolder("made"));
    EXPECT_TRUE(MakeFolder("made"));
    EXPECT_FALSE(MakeFolder("no/such/parent"));
    EXPECT_FALSE(MakeFolder("empty.bin"));

    folder.Write("box/one.txt", "1");
    folder.Write("box/two.bin", "2");
    folder.Write("box/inner/three.txt", "3");
    Names names = ListFiles("box/");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"one.txt", "two.bin"}));
    EXPECT_TRUE(ListFiles("nowhere").empty());
    EXPECT_EQ(folder.Read("log.txt"), "nowhere accesso negato!\n");
}

// Bytes fold onto sixteen positions by exclusive-or; the last byte, alone in the second block
// read, folds onto the first position.
TEST(FileUtils, FileDigestFoldsBytesOntoSixteenPositions)
{
    testsupport::ScratchFolder folder;
    EXPECT_EQ(FileDigest("missing"), std::string(32, '0'));
    std::string bytes(10241, '\0');
    bytes.replace(0, 3, "\x01\x02\xAB");
    bytes.back() = '\x10';
    folder.Write("digest.bin", bytes);
    EXPECT_EQ(FileDigest("digest.bin"), "1102AB" + std::string(26, '0'));
}

TEST(TextFile, ReadLinesSplitsAtNewlineKeepingCarriageReturnsWritesAndAppends)
{
    testsupport::ScratchFolder folder;
    const struct {
        std::string bytes;
        Names lines;
    } cases[] = {{"first\r\nsecond\r\n\r\nlast", {"first\r", "second\r", "\r", "last"}},
                 {"a\n\nb\n", {"a", "", "b"}},
                 {"", {}}};
    for (const auto& entry : cases) {
        folder.Write("lines.txt", entry.bytes);
        TextFile file("lines.txt");
        EXPECT_EQ(file.ReadLines(), entry.lines);
        EXPECT_FALSE(file.Failed());
    }

    TextFile file("out.txt");
    EXPECT_TRUE(file.ReadLines().empty() && file.Failed() && file.NotFound());

    folder.Write("out.txt", "old content that is longer\n");
    EXPECT_TRUE(file.WriteLines({"one", "", "three"}));
    EXPECT_TRUE(file.AppendLine("four"));
    EXPECT_FALSE(file.Failed() || file.NotFound());
    EXPECT_EQ(folder.Read("out.txt"), "one\n\nthree\nfour\n");
    EXPECT_EQ(file.ReadAll(), "one\r\n\r\nthree\r\nfour\r\n");

    EXPECT_TRUE(TextFile("new.txt").AppendLine("created"));
    EXPECT_EQ(folder.Read("new.txt"), "created\n");
    TextFile nowhere("no/such/folder/file.txt");
    EXPECT_FALSE(nowhere.WriteLines({"x"}) || nowhere.AppendLine("x"));
    EXPECT_TRUE(nowhere.Failed());
}

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
}

TEST(Command, StartProgramReportsAProgramThatCannotStart)
{
    EXPECT_EQ(StartProgram({"no-such-program-here"}), -1);
}

}  // namespace
}  // namespace tarnbrook
