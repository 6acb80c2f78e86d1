#include "game/TileFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

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
    EXPECT_FALSE(data.Exists("log.txt"));
}

}  // namespace
}  // namespace tarnbrook
