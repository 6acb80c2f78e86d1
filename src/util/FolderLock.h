#pragma once

#include <string>

namespace tarnbrook {

// An advisory lock on a folder, held while the object lives. Processes that take it around
// reading and rewriting a file of the folder take turns instead of undoing each other's work;
// shared holders only read. Nothing waits for it without limit: while another holder keeps it,
// it is tried again for about two seconds in all, and then it is busy and not had. A folder that
// cannot be opened or locked at all (a file system without locks) gives no lock and is not busy.
class FolderLock {
public:
    static constexpr int kPatienceMs = 2000;

    FolderLock(const std::string& folder, bool exclusive);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Another holder kept the lock for all the time it was tried: leave the folder alone.
    bool Busy() const { return busy_; }

private:
    int descriptor_;
    bool busy_ = false;
};

}  // namespace tarnbrook
