#include "support/FakeCommands.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testsupport {

FakeCommands::FakeCommands(const std::string& folder)
    : bin_(folder + "/fake-bin"), record_(folder + "/fake-calls.txt")
{
    std::filesystem::create_directories(bin_);
    for (const char* name : {"aplay", "firefox", "thunderbird"}) {
        const std::string script = bin_ + "/" + name;
        std::ofstream(script) << "#!/bin/sh\necho \"" << name << " $*\" >> '" << record_ << "'\n";
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

}  // namespace testsupport
