#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/ScratchFolder.h"
#include "support/TestData.h"

namespace tarnbrook {
namespace {

TEST(GeneratedData, CommittedFilesAreWhatTheGeneratorsMake)
{
    const struct {
        const char* generator;
        std::string committedFolder;
        std::vector<const char*> files;
    } generators[] = {
        {"generate_sounds", "Data/", {"beep.wav", "Explosion.wav"}},
        {"generate_pictures",
         "tools/pictures/",
         {"banner.bmp", "aboutbanner.bmp", "staircase.bmp", "column.bmp"}},
        {"generate_tiles", "Data/", {"terreno27x27.bin"}},
        {"generate_icons " TARNBROOK_SOURCE_DIR "/Data/terreno27x27.bin",
         "packaging/icons/",
         {"16x16.png", "24x24.png", "32x32.png", "48x48.png", "64x64.png", "128x128.png",
          "256x256.png"}},
    };
    for (const auto& entry : generators) {
        testsupport::ScratchFolder folder;
        const std::string command =
            std::string(TARNBROOK_TOOLS_DIR) + "/" + entry.generator + " " + folder.Path();
        ASSERT_EQ(std::system(command.c_str()), 0) << entry.generator;
        for (const char* file : entry.files) {
            EXPECT_TRUE(folder.Read(file) ==
                        testsupport::ReadTestData("../../" + entry.committedFolder + file))
                << file;
        }
    }
}

}  // namespace
}  // namespace tarnbrook
