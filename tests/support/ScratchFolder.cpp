#include "support/ScratchFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/TestData.h"

namespace testsupport {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() : previous_(fs::current_path().string())
{
    std::string pattern = (fs::temp_directory_path() / "tarnbrook-XXXXXX").string();
    if (mkdtemp(pattern.data()) && chdir(pattern.c_str()) == 0) {
        path_ = pattern;
    }
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    if (!path_.empty() && !ignored) {
        fs::remove_all(path_, ignored);
    }
}

std::string ScratchFolder::Read(const std::string& relativePath) const
{
    return ReadFile(path_ + "/" + relativePath);
}

void ScratchFolder::Write(const std::string& relativePath, const std::string& bytes) const
{
    const fs::path target = fs::path(path_) / relativePath;
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << bytes;
}

bool ScratchFolder::Exists(const std::string& relativePath) const
{
    return fs::exists(fs::path(path_) / relativePath);
}

void ScratchFolder::CopyDataFolder() const
{
    fs::copy(TARNBROOK_SOURCE_DIR "/Data", path_ + "/Data", fs::copy_options::recursive);
}

}  // namespace testsupport
