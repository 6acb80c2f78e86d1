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
    ASSERT_TRUE(LoadBinaryFile(kTileFilePath, buffer, size, 41553));
    EXPECT_EQ(size, 41553);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), folder.Read(kTileFilePath));
    EXPECT_FALSE(folder.Exists("log.txt"));
}

// A missing file leaves buffer and size alone; a file of another size, or a folder, is refused
// and its buffer released.
TEST(TileFile, MissingOrWrongFilesAreLoggedAndRefused)
{
    testsupport::ScratchFolder folder;
    ASSERT_EQ(mkdir("tiles.bin", 0755), 0);
    const struct {
        std::string bytes;  // "-" for no file
        const char* path;
        int size;
        const char* log;
    } cases[] = {{"-", kTileFilePath, 0, "Data/terreno27x27.bin: non trovato\n"},
                 {std::string(kTileFileBytes - 1, '\x7F'), kTileFilePath, -1,
                  "Errore loading Data/terreno27x27.bin\n"},
                 {std::string(kTileFileBytes + 1, '\x7F'), kTileFilePath, -1,
                  "Errore loading Data/terreno27x27.bin\n"},
                 {"", kTileFilePath, -1, "Errore loading Data/terreno27x27.bin\n"},
                 {"-", "tiles.bin", -1, "Errore loading tiles.bin\n"}};
    std::string log;
    for (const auto& entry : cases) {
        if (entry.bytes != "-") {
            folder.Write(entry.path, entry.bytes);
        }
        std::vector<unsigned char> buffer(entry.size ? 100 : 0, 1);
        int size = 0;
        EXPECT_FALSE(LoadBinaryFile(entry.path, buffer, size, kTileFileBytes))
            << entry.bytes.size();
        EXPECT_EQ(buffer.capacity(), 0u) << entry.bytes.size();
        EXPECT_EQ(size, entry.size) << entry.bytes.size();
        EXPECT_EQ(folder.Read("log.txt"), log += entry.log);
    }
}

}  // namespace
}  // namespace tarnbrook
