#include "support/ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/WaitFor.h"

namespace testsupport {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& environment)
    : output_(std::tmpfile()), pid_(fork())
{
    if (pid_ == 0) {
        dup2(fileno(output_), STDOUT_FILENO);
        for (const std::string& entry : environment) {
            const auto equals = entry.find('=');
            if (equals == std::string::npos) {
                unsetenv(entry.c_str());
            } else {
                setenv(entry.substr(0, equals).c_str(), entry.c_str() + equals + 1, 1);
            }
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

ChildProcess::~ChildProcess()
{
    for (int signal : {SIGTERM, SIGKILL}) {
        if (Running()) {
            kill(pid_, signal);
            WaitForExit(3000);
        }
    }
    std::fclose(output_);
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
    WaitFor([this] { return !Running(); }, timeoutMs);
    return ended_ ? status_ : -1;
}

std::string ChildProcess::Output() const
{
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = pread(fileno(output_), buffer, sizeof buffer,
                                       static_cast<off_t>(text.size()))) > 0;) {
        text.append(buffer, static_cast<size_t>(count));
    }
    return text;
}

}  // namespace testsupport
