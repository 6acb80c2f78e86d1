#include "util/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace tarnbrook {

namespace {

constexpr auto kRetryEvery = std::chrono::milliseconds(20);

}  // namespace

FolderLock::FolderLock(const std::string& folder, bool exclusive)
    : descriptor_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (descriptor_ < 0) {
        return;
    }
    // Never a blocking flock: a stopped holder or a lock service that does not answer would
    // hold the game for as long as it lasts.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
    const int operation = (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (flock(descriptor_, operation) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return;  // no locks to be had here: the folder is used without one
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            busy_ = true;
            return;
        }
        std::this_thread::sleep_for(kRetryEvery);
    }
}

FolderLock::~FolderLock()
{
    if (descriptor_ >= 0) {
        close(descriptor_);  // releases the lock
    }
}

}  // namespace tarnbrook
