#include "util/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace tarnbrook {

FolderLock::FolderLock(const std::string& folder, bool exclusive)
    : descriptor_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (descriptor_ < 0) {
        return;
    }
    while (flock(descriptor_, exclusive ? LOCK_EX : LOCK_SH) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock()
{
    if (descriptor_ >= 0) {
        close(descriptor_);  // releases the lock
    }
}

}  // namespace tarnbrook
