#pragma once

#include <string>

namespace tarnbrook {

// An advisory lock on a folder, held while the object lives. Processes that take it around
// reading and rewriting a file of the folder take turns instead of undoing each other's work;
// shared holders only read. A folder that cannot be opened gives no lock, and nothing waits.
class FolderLock {
public:
    FolderLock(const std::string& folder, bool exclusive);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int descriptor_;
};

}  // namespace tarnbrook
