#include "support/FakeCommands.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testsupport {

FakeCommands::FakeCommands(const std::string& folder, int seconds)
    : bin_(folder + "/fake-bin"), record_(folder + "/fake-calls.txt")
{
    std::filesystem::create_directories(bin_);
    for (const char* name : {"aplay", "firefox", "thunderbird"}) {
        const std::string script = bin_ + "/" + name;
        std::ofstream out(script);
        out << "#!/bin/sh\necho $PPID >> '" << record_ << ".parents'\n"
            << "echo \"" << name << " $*\" >> '" << record_ << "'\n";
        if (seconds > 0) {
            out << "echo $$ >> '" << record_ << ".pids'\nexec sleep " << seconds << "\n";
        }
        out.close();
        chmod(script.c_str(), 0755);
    }
    const char* path = std::getenv("PATH");
    previousPath_ = path ? path : "";
    setenv("PATH", (bin_ + ":" + previousPath_).c_str(), 1);
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

std::vector<pid_t> FakeCommands::Pids() const
{
    return ReadPids(record_ + ".pids");
}

std::vector<pid_t> FakeCommands::Parents() const
{
    return ReadPids(record_ + ".parents");
}

}  // namespace testsupport
