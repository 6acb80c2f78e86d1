#include "app/EndedChildren.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace tarnbrook {
namespace EndedChildren {

namespace {

int readEnd = -1;
int writeEnd = -1;
Collector collector = nullptr;

// Async-signal-safe: one write, errno kept. A full pipe already says that a child ended.
void NoteChildEnded(int)
{
    const int saved = errno;
    const char byte = 0;
    const ssize_t written = write(writeEnd, &byte, 1);
    static_cast<void>(written);
    errno = saved;
}

}  // namespace

void Watch(Collector collect)
{
    collector = collect;
    int ends[2];
    if (readEnd >= 0 || pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) {
        return;
    }
    readEnd = ends[0];
    writeEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = NoteChildEnded;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a child ending must not make a read or a wait elsewhere fail.
    action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigaction(SIGCHLD, &action, nullptr);
}

int Descriptor()
{
    return readEnd;
}

void Collect()
{
    char bytes[64];
    bool ended = false;
    while (readEnd >= 0 && read(readEnd, bytes, sizeof bytes) > 0) {
        ended = true;
    }
    if (ended && collector) {
        collector();
    }
}

}  // namespace EndedChildren
}  // namespace tarnbrook
