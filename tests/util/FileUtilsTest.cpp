#include "util/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

using Names = std::vector<std::string>;

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

}  // namespace
}  // namespace tarnbrook
