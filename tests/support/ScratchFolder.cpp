#include "support/ScratchFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits.h>

namespace testsupport {

ScratchFolder::ScratchFolder()
{
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof cwd)) {
        previous_ = cwd;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnbrook-XXXXXX").string();
    if (mkdtemp(pattern.data())) {
        path_ = pattern;
        if (chdir(path_.c_str()) != 0) {
            path_.clear();
        }
    }
}

ScratchFolder::~ScratchFolder()
{
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) {
        return;
    }
    std::error_code ignored;
    if (!path_.empty()) {
        std::filesystem::remove_all(path_, ignored);
    }
}

std::string ScratchFolder::Read(const std::string& relativePath) const
{
    std::ifstream in(path_ + "/" + relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ScratchFolder::Write(const std::string& relativePath, const std::string& bytes) const
{
    const std::filesystem::path target = std::filesystem::path(path_) / relativePath;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << bytes;
}

bool ScratchFolder::Exists(const std::string& relativePath) const
{
    return std::filesystem::exists(std::filesystem::path(path_) / relativePath);
}

void ScratchFolder::CopyDataFolder() const
{
    std::filesystem::copy(std::string(TARNBROOK_SOURCE_DIR) + "/Data", path_ + "/Data",
                          std::filesystem::copy_options::recursive);
}

}  // namespace testsupport
