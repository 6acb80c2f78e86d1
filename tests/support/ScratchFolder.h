#pragma once

#include <string>

namespace testsupport {

// A fresh temporary folder, the working directory while the object lives; removed at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Read(const std::string& relativePath) const;  // "" when missing
    void Write(const std::string& relativePath, const std::string& bytes) const;
    bool Exists(const std::string& relativePath) const;
    void CopyDataFolder() const;  // the repository's Data/

private:
    std::string path_;
    std::string previous_;
};

}  // namespace testsupport
