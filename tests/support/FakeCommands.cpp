#include "support/FakeCommands.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testsupport {

namespace {

std::vector<pid_t> ReadPids(const std::string& file)
{
    std::vector<pid_t> pids;
    std::ifstream in(file);
    for (pid_t pid; in >> pid;) {
        pids.push_back(pid);
    }
    return pids;
}

}  // namespace

FakeCommands::FakeCommands(const std::string& folder, int seconds)
    : record_(folder + "/fake-calls.txt"), previousPath_(std::getenv("PATH"))
{
    const std::string bin = folder + "/fake-bin";
    std::filesystem::create_directories(bin);
    for (const std::string name : {"aplay", "firefox", "thunderbird"}) {
        std::ofstream(bin + "/" + name)
            << "#!/bin/sh\necho $PPID >> '" << record_ << ".parents'\necho \"" << name
            << " $*\" >> '" << record_ << "'\n"
            << (seconds > 0 ? "echo $$ >> '" + record_ + ".pids'\nexec sleep " +
                                  std::to_string(seconds) + "\n"
                            : "");
        chmod((bin + "/" + name).c_str(), 0755);
    }
    setenv("PATH", (bin + ":" + previousPath_).c_str(), 1);
}

FakeCommands::~FakeCommands()
{
    setenv("PATH", previousPath_.c_str(), 1);
}

std::vector<std::string> FakeCommands::Calls() const
{
    std::vector<std::string> lines;
    std::ifstream in(record_);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

int FakeCommands::Count(const std::string& call) const
{
    const std::vector<std::string> calls = Calls();
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

std::vector<pid_t> FakeCommands::Pids() const
{
    return ReadPids(record_ + ".pids");
}

std::vector<pid_t> FakeCommands::Parents() const
{
    return ReadPids(record_ + ".parents");
}

}  // namespace testsupport
