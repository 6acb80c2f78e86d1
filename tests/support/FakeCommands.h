#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace testsupport {

// Scripts named aplay, firefox and thunderbird first on PATH until the object goes. Each records
// its name and arguments and its parent's process id, then ends at once or, when seconds is
// given, records its own process id and plays that long.
class FakeCommands {
public:
    explicit FakeCommands(const std::string& folder, int seconds = 0);
    ~FakeCommands();
    FakeCommands(const FakeCommands&) = delete;
    FakeCommands& operator=(const FakeCommands&) = delete;

    std::vector<std::string> Calls() const;  // one line per call, e.g. "aplay Data/beep.wav"
    int Count(const std::string& call) const;
    std::vector<pid_t> Pids() const;     // of the calls that play for a while
    std::vector<pid_t> Parents() const;  // of every call

private:
    std::string record_;
    std::string previousPath_;
};

}  // namespace testsupport
