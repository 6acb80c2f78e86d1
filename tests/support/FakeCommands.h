#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace testsupport {

// Puts small scripts named aplay, firefox and thunderbird first on PATH. Each appends one line,
// its name and its arguments, to a record file, and its parent's process id to another, then
// ends at once or, when seconds is given,
// writes its process id beside the record and plays for that long. PATH is restored by the
// destructor.
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
    std::string bin_;
    std::string record_;
    std::string previousPath_;
};

}  // namespace testsupport
