#include "dialogs/LinkLauncher.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "util/Command.h"

namespace tarnbrook {

void LaunchInBackground(const std::vector<std::string>& words)
{
    const pid_t child = fork();
    if (child == 0) {
        // Never runs the program itself, not even when it cannot be started: the game would
        // then wait for it. Ends without the game's exit path.
        _exit(StartProgram(words) > 0 ? 0 : 1);
    }
    while (child > 0 && waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace tarnbrook
