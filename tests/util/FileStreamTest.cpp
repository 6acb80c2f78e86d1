#include "util/TextFile.h"

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, ReadLinesSplitsAtNewlineKeepingCarriageReturnsWritesAndAppends)
{
    testsupport::ScratchFolder folder;
    const struct {
        std::string bytes;
        Lines lines;
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

}  // namespace
}  // namespace tarnbrook
