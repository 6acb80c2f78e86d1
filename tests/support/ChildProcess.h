#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace testsupport {

// Starts a program in the current working directory with its standard output captured, and
// ends it (SIGTERM, then SIGKILL) if it is still running when the object goes away.
class ChildProcess {
public:
    // environment: "NAME=value" sets a variable, "NAME" alone removes it.
    ChildProcess(const std::string& program, const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running();
    pid_t Pid() const { return pid_; }
    // The exit status, or -1 when the program did not end within the bound (or died by a signal).
    int WaitForExit(int timeoutMs = 10000);
    std::string Output();  // everything written to standard output so far

private:
    pid_t pid_ = -1;
    int outputFd_ = -1;
    int status_ = -1;
    bool ended_ = false;
    std::string output_;
};

}  // namespace testsupport
