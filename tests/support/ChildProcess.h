#pragma once

#include <sys/types.h>

#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

// A program started in the current folder with its standard output kept; ended (SIGTERM, then
// SIGKILL) if it still runs when the object goes away.
class ChildProcess {
public:
    // environment: "NAME=value" sets a variable, "NAME" alone removes it.
    ChildProcess(const std::string& program, const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running();
    pid_t Pid() const { return pid_; }
    // The exit status; -1 when the program did not end within the bound or died by a signal.
    int WaitForExit(int timeoutMs = 10000);
    std::string Output() const;

private:
    std::FILE* output_;
    pid_t pid_ = -1;
    int status_ = -1;
    bool ended_ = false;
};

}  // namespace testsupport
