#include "support/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/WaitFor.h"

namespace testsupport {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& environment)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        for (const std::string& entry : environment) {
            const auto equals = entry.find('=');
            if (equals == std::string::npos) {
                unsetenv(entry.c_str());
            } else {
                setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
            }
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    outputFd_ = fds[0];
    fcntl(outputFd_, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess()
{
    if (Running()) {
        kill(pid_, SIGTERM);
        if (WaitForExit(3000) == -1 && !ended_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    close(outputFd_);
}

bool ChildProcess::Running()
{
    int status = 0;
    if (pid_ > 0 && !ended_ && waitpid(pid_, &status, WNOHANG) == pid_) {
        ended_ = true;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return pid_ > 0 && !ended_;
}

int ChildProcess::WaitForExit(int timeoutMs)
{
    WaitFor(
        [this] {
            Output();  // a full pipe would stop the program
            return !Running();
        },
        timeoutMs);
    return ended_ ? status_ : -1;
}

std::string ChildProcess::Output()
{
    char buffer[4096];
    ssize_t count;
    while (outputFd_ >= 0 && (count = read(outputFd_, buffer, sizeof buffer)) > 0) {
        output_.append(buffer, static_cast<size_t>(count));
    }
    return output_;
}

}  // namespace testsupport
