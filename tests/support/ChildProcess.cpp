#include "support/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/WaitFor.h"

namespace testsupport {

namespace {

void ApplyEnvironment(const std::vector<std::string>& environment)
{
    for (const std::string& entry : environment) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos) {
            unsetenv(entry.c_str());
        } else {
            setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
        }
    }
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& environment)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        dup2(fds[1], STDOUT_FILENO);
        close(fds[1]);
        ApplyEnvironment(environment);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    outputFd_ = fds[0];
    fcntl(outputFd_, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess()
{
    if (pid_ > 0 && !ended_) {
        kill(pid_, SIGTERM);
        if (WaitForExit(3000) == -1 && !ended_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    if (outputFd_ >= 0) {
        close(outputFd_);
    }
}

bool ChildProcess::Running()
{
    if (pid_ <= 0 || ended_) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        ended_ = true;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }
    return true;
}

int ChildProcess::WaitForExit(int timeoutMs)
{
    WaitFor([this] {
        Drain();
        return !Running();
    }, timeoutMs);
    Drain();
    return ended_ ? status_ : -1;
}

std::string ChildProcess::Output()
{
    Drain();
    return output_;
}

void ChildProcess::Drain()
{
    char buffer[4096];
    ssize_t count;
    while (outputFd_ >= 0 && (count = read(outputFd_, buffer, sizeof buffer)) > 0) {
        output_.append(buffer, static_cast<size_t>(count));
    }
}

}  // namespace testsupport
