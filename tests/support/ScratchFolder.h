#pragma once

#include <string>

namespace testsupport {

// A fresh temporary folder that becomes the working directory for the test's lifetime;
// the previous working directory comes back and the folder is removed at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Read(
        const std::string& relativePath) const;  // whole file as bytes, "" when missing
    void Write(const std::string& relativePath, const std::string& bytes) const;
    bool Exists(const std::string& relativePath) const;
    void CopyDataFolder() const;  // copies the repository's Data/ here

private:
    std::string path_;
    std::string previous_;
};

}  // namespace testsupport
