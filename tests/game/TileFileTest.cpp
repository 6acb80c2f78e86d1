#include "game/TileFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(TileFile, CommittedStripHasTheExpectedSizeAndLoadsWhole)
{
    testsupport::ScratchFolder folder;
    folder.CopyDataFolder();
    std::vector<unsigned char> buffer;
    int size = 0;
    ASSERT_EQ(kTileFileBytes, 41553);
    ASSERT_TRUE(LoadBinaryFile(kTileFilePath, buffer, size, kTileFileBytes));
    EXPECT_EQ(size, 41553);
    ASSERT_EQ(buffer.size(), 41553u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), folder.Read(kTileFilePath));
    EXPECT_FALSE(folder.Exists("log.txt"));
}

TEST(TileFile, MissingFileIsLoggedAndLeavesBufferAndSizeAlone)
{
    testsupport::ScratchFolder folder;
    std::vector<unsigned char> buffer;
    int size = 0;
    EXPECT_FALSE(LoadBinaryFile(kTileFilePath, buffer, size, kTileFileBytes));
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(size, 0);
    EXPECT_EQ(folder.Read("log.txt"), "Data/terreno27x27.bin: non trovato\n");
}

TEST(TileFile, FileOfAnotherSizeIsRefusedAndItsBufferReleased)
{
    testsupport::ScratchFolder folder;
    for (int bytes : {kTileFileBytes - 1, kTileFileBytes + 1, 0}) {
        folder.Write("Data/terreno27x27.bin", std::string(static_cast<size_t>(bytes), '\x7F'));
        std::vector<unsigned char> buffer(100, 1);
        int size = 0;
        EXPECT_FALSE(LoadBinaryFile(kTileFilePath, buffer, size, kTileFileBytes)) << bytes;
        EXPECT_TRUE(buffer.empty()) << bytes;
        EXPECT_EQ(buffer.capacity(), 0u) << bytes;
        EXPECT_EQ(size, -1) << bytes;
    }
    EXPECT_EQ(folder.Read("log.txt"), "Errore loading Data/terreno27x27.bin\n"
                                      "Errore loading Data/terreno27x27.bin\n"
                                      "Errore loading Data/terreno27x27.bin\n");
}

TEST(TileFile, FolderInPlaceOfTheFileIsRefused)
{
    testsupport::ScratchFolder folder;
    ASSERT_EQ(mkdir("tiles.bin", 0755), 0);
    std::vector<unsigned char> buffer;
    int size = 0;
    EXPECT_FALSE(LoadBinaryFile("tiles.bin", buffer, size, kTileFileBytes));
    EXPECT_EQ(size, -1);
    EXPECT_EQ(folder.Read("log.txt"), "Errore loading tiles.bin\n");
}

}  // namespace
}  // namespace tarnbrook
