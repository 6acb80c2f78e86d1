#include "util/BinaryFile.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, ReadLinesSplitsAtNewlineKeepingCarriageReturnsWritesAndAppends)
{
    testsupport::ScratchFolder folder;
    const std::string longLine(300, 'x');
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {{"first\r\nsecond\r\n\r\nlast", {"first\r", "second\r", "\r", "last"}},
                 {"a\n\nb\n", {"a", "", "b"}},
                 {"", {}},
                 {"short\n" + longLine + "\nafter\n", {"short", longLine, "after"}}};
    for (const auto& entry : cases) {
        folder.Write("lines.txt", entry.bytes);
        TextFile file("lines.txt");
        EXPECT_EQ(file.ReadLines(), entry.lines);
        EXPECT_FALSE(file.Failed());
    }

    TextFile file("out.txt");
    EXPECT_TRUE(file.ReadLines().empty());
    EXPECT_TRUE(file.Failed() && file.NotFound());

    folder.Write("out.txt", "old content that is longer\n");
    EXPECT_TRUE(file.WriteLines({"one", "", "three"}));
    EXPECT_TRUE(file.AppendLine("four"));
    EXPECT_EQ(folder.Read("out.txt"), "one\n\nthree\nfour\n");
    EXPECT_EQ(file.ReadAll(), "one\r\n\r\nthree\r\nfour\r\n");
    EXPECT_FALSE(file.Failed() || file.NotFound());

    EXPECT_TRUE(TextFile("new.txt").AppendLine("created"));
    EXPECT_EQ(folder.Read("new.txt"), "created\n");
    TextFile nowhere("no/such/folder/file.txt");
    EXPECT_FALSE(nowhere.WriteLines({"x"}));
    EXPECT_TRUE(nowhere.Failed());
    EXPECT_FALSE(nowhere.AppendLine("x"));
}

TEST(BinaryFile, ReadsAtOffsetsOpenModesAndReadsAfterWritesOnOneStream)
{
    testsupport::ScratchFolder folder;
    folder.Write("data.bin", "0123456789");
    BinaryFile file("data.bin", true, false, false);
    ASSERT_FALSE(file.Failed());
    char buffer[8] = {};
    EXPECT_EQ(file.ReadAt(6, buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "678");
    EXPECT_FALSE(file.AtEnd());
    EXPECT_EQ(file.ReadAt(8, buffer, 8), 2u);
    EXPECT_EQ(std::string(buffer, 2), "89");
    EXPECT_TRUE(file.AtEnd());
    EXPECT_FALSE(file.Failed());
    EXPECT_FALSE(file.WriteAt(0, "x", 1));  // opened for reading only
    file.Close();
    file.Close();
    EXPECT_EQ(file.ReadAt(0, buffer, 2), 0u);

    {
        BinaryFile created("new.bin", false, true, false);
        EXPECT_TRUE(created.WriteAt(4, "tail", 4));
        EXPECT_TRUE(created.WriteAt(0, "hea", 3));
        EXPECT_TRUE(created.Write("d", 1));  // goes on where the last write ended
    }
    EXPECT_EQ(folder.Read("new.bin"), "headtail");
    BinaryFile("new.bin", false, false, false).WriteAt(4, "TA", 2);
    BinaryFile("new.bin", false, false, true).WriteAt(0, "++", 2);
    EXPECT_EQ(folder.Read("new.bin"), "headTAil++");
    BinaryFile("new.bin", false, true, false);
    EXPECT_EQ(folder.Read("new.bin"), "");

    BinaryFile missing("missing.bin", false, false, false);
    EXPECT_TRUE(missing.Failed());
    EXPECT_FALSE(folder.Exists("missing.bin"));
    EXPECT_FALSE(missing.Write("x", 1));
    EXPECT_TRUE(missing.Open("other.bin", false, false, true));
    EXPECT_FALSE(missing.Failed());

    BinaryFile both;
    ASSERT_TRUE(both.Open("both.bin", false, true, false));
    EXPECT_TRUE(both.Write("abcdef", 6));
    EXPECT_EQ(both.ReadAt(1, buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "bcd");
    EXPECT_TRUE(both.Write("XY", 2));
    EXPECT_EQ(both.ReadAt(-1, buffer, 1), 0u);
    EXPECT_TRUE(both.Failed());
    EXPECT_EQ(both.ReadAt(0, buffer, 3), 0u);
    both.Close();
    EXPECT_EQ(folder.Read("both.bin"), "abcdXY");
}

}  // namespace
}  // namespace tarnbrook
