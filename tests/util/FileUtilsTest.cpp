#include "util/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/ScratchFolder.h"
#include "util/WellKnownFolders.h"

namespace tarnbrook {
namespace {

using Names = std::vector<std::string>;

TEST(FileUtils, PathHelpers)
{
    EXPECT_EQ(PathSeparator(), '/');
    EXPECT_EQ(AddTrailingSeparator("Data"), "Data/");
    EXPECT_EQ(AddTrailingSeparator("Data/"), "Data/");
    EXPECT_EQ(AddTrailingSeparator("C:"), "C:");
    EXPECT_EQ(AddTrailingSeparator("Data\\"), "Data\\");
    EXPECT_EQ(AddTrailingSeparator(""), "");

    EXPECT_EQ(ExtractFolder(std::string("a/b/c.txt")), "a/b/");
    EXPECT_EQ(ExtractFileName("a/b/c.txt"), "c.txt");
    EXPECT_EQ(ExtractFolder(std::string("c:file")), "c:");
    EXPECT_EQ(ExtractFileName("c:file"), "file");
    EXPECT_EQ(ExtractFolder(std::string("plain.bmp")), "");
    EXPECT_EQ(ExtractFileName("plain.bmp"), "plain.bmp");
    EXPECT_EQ(ExtractFileName("a/b/"), "");

    std::string windows = "x\\y\\z.bmp";
    EXPECT_EQ(ExtractFolder(windows), "x/y/");
    EXPECT_EQ(windows, "x/y/z.bmp");
    EXPECT_EQ(ExtractFileName("x\\y\\z.bmp"), "z.bmp");
}

TEST(FileUtils, AddSuffixIfMissingComparesWithoutCase)
{
    EXPECT_EQ(AddSuffixIfMissing("pic", ".bmp"), "pic.bmp");
    EXPECT_EQ(AddSuffixIfMissing("pic.BMP", ".bmp"), "pic.BMP");
    EXPECT_EQ(AddSuffixIfMissing("pic.bmp", ".bmp"), "pic.bmp");
    EXPECT_EQ(AddSuffixIfMissing("pic.txt", ".bmp"), "pic.txt.bmp");
    EXPECT_EQ(AddSuffixIfMissing("a", ".bmp"), "a.bmp");
    EXPECT_EQ(AddSuffixIfMissing("", ".bmp"), "");
    EXPECT_EQ(AddSuffixIfMissing("pic", ""), "pic");
}

TEST(FileUtils, ExistsSizeRemoveAndFolders)
{
    testsupport::ScratchFolder folder;
    folder.Write("five.bin", "12345");
    EXPECT_TRUE(FileExists("five.bin"));
    EXPECT_EQ(FileSize("five.bin"), 5);
    EXPECT_FALSE(FileExists("missing"));
    EXPECT_EQ(FileSize("missing"), 0);

    EXPECT_TRUE(RemoveFile("five.bin"));
    EXPECT_FALSE(FileExists("five.bin"));
    EXPECT_FALSE(RemoveFile("five.bin"));

    EXPECT_TRUE(MakeFolder("made"));
    EXPECT_TRUE(MakeFolder("made"));
    EXPECT_TRUE(FileExists("made"));
    EXPECT_FALSE(MakeFolder("no/such/parent"));
    folder.Write("plain", "x");
    EXPECT_FALSE(MakeFolder("plain"));
}

TEST(FileUtils, CopyFileCopiesEveryByte)
{
    testsupport::ScratchFolder folder;
    const std::string bytes("a\0b\r\n\xFF", 6);
    folder.Write("source.bin", bytes);
    folder.Write("target.bin", "an older and much longer content");
    EXPECT_TRUE(CopyFile("source.bin", "target.bin"));
    EXPECT_EQ(folder.Read("target.bin"), bytes);

    EXPECT_FALSE(CopyFile("missing.bin", "other.bin"));
    EXPECT_FALSE(FileExists("other.bin"));
    folder.Write("empty.bin", "");
    EXPECT_FALSE(CopyFile("empty.bin", "other.bin"));
    EXPECT_FALSE(CopyFile("source.bin", "no/such/folder/copy.bin"));
}

TEST(FileUtils, FileDigestFoldsBytesOntoSixteenPositions)
{
    testsupport::ScratchFolder folder;
    EXPECT_EQ(FileDigest("missing"), std::string(32, '0'));

    folder.Write("short.bin", std::string("\x01\x02\xAB", 3));
    EXPECT_EQ(FileDigest("short.bin"), "0102AB" + std::string(26, '0'));

    // 20000 bytes cross the read-block boundary: each position collects 1250 bytes of value
    // offset % 251, whose exclusive-or is worked out here independently.
    std::string big(20000, '\0');
    unsigned char expected[16] = {};
    for (size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>(i % 251);
        expected[i % 16] ^= static_cast<unsigned char>(i % 251);
    }
    folder.Write("big.bin", big);
    std::string hex;
    const char* digits = "0123456789ABCDEF";
    for (unsigned char byte : expected) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    EXPECT_EQ(FileDigest("big.bin"), hex);
}

TEST(FileUtils, ListFilesNamesOnlyRegularFiles)
{
    testsupport::ScratchFolder folder;
    folder.Write("box/one.txt", "1");
    folder.Write("box/two.bin", "2");
    folder.Write("box/inner/three.txt", "3");
    Names names = ListFiles("box");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"one.txt", "two.bin"}));
    EXPECT_EQ(ListFiles("box/"), ListFiles("box"));

    EXPECT_TRUE(ListFiles("nowhere").empty());
    EXPECT_EQ(folder.Read("log.txt"), "nowhere accesso negato!\n");
}

TEST(WellKnownFolders, AreCreatedOnDemand)
{
    testsupport::ScratchFolder folder;
    const std::string names[] = {DataFolder(),  DocumentsFolder(), DesktopFolder(),
                                 DownloadFolder(), MusicFolder(), PicturesFolder(),
                                 ProgramDataFolder()};
    EXPECT_EQ(names[1], "Documenti");
    for (const std::string& name : names) {
        EXPECT_TRUE(folder.Exists(name)) << name;
    }
    folder.Write("Data/keep.txt", "kept");
    EXPECT_EQ(DataFolder(), "Data");
    EXPECT_EQ(folder.Read("Data/keep.txt"), "kept");

    EXPECT_EQ(SystemFolder(), "SYS:");
    EXPECT_EQ(SystemDrive(), "c:");
    EXPECT_FALSE(folder.Exists("SYS:"));
    EXPECT_FALSE(folder.Exists("c:"));
}

TEST(WellKnownFolders, SettingsPathCreatesEachFolder)
{
    testsupport::ScratchFolder folder;
    EXPECT_EQ(SettingsPath("Tarnbrook", "Window", "size.txt"),
              "Settings/Tarnbrook/Window/size.txt");
    EXPECT_TRUE(folder.Exists("Settings/Tarnbrook/Window"));
    EXPECT_FALSE(folder.Exists("Settings/Tarnbrook/Window/size.txt"));
}

}  // namespace
}  // namespace tarnbrook
