#include "dialogs/LinkLauncher.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "util/Command.h"

namespace tarnbrook {

std::string QuoteForShell(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

void LaunchInBackground(const std::string& commandLine)
{
    const pid_t child = fork();
    if (child < 0) {
        RunShell(commandLine);
        return;
    }
    if (child == 0) {
        // Without a grandchild the command runs in this child, and the parent waits for it.
        if (fork() <= 0) {
            RunShell(commandLine);
        }
        _exit(0);
    }
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace tarnbrook
