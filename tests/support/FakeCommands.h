#pragma once

#include <string>
#include <vector>

namespace testsupport {

// Puts small scripts named aplay, firefox and thunderbird first on PATH. Each appends one line,
// its name and its arguments, to a record file and ends at once, so no test plays sound or
// starts a browser. PATH is restored by the destructor.
class FakeCommands {
public:
    explicit FakeCommands(const std::string& folder);
    ~FakeCommands();
    FakeCommands(const FakeCommands&) = delete;
    FakeCommands& operator=(const FakeCommands&) = delete;

    std::vector<std::string> Calls() const;  // one line per call, e.g. "aplay Data/beep.wav"
    const std::string& RecordPath() const { return record_; }

private:
    std::string bin_;
    std::string record_;
    std::string previousPath_;
};

}  // namespace testsupport
