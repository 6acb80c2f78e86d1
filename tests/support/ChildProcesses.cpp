#include "support/ChildProcesses.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

namespace {

struct ProcessStatus {
    bool found = false;
    char state = 0;
    pid_t parent = 0;
};

// /proc/<pid>/stat: "pid (name) state ppid ..."; the name may hold blanks and parentheses,
// so the fields are read after the last ")".
ProcessStatus ReadStatus(pid_t pid)
{
    ProcessStatus status;
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(in, text)) {
        return status;
    }
    const auto nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos) {
        return status;
    }
    std::istringstream fields(text.substr(nameEnd + 1));
    status.found = static_cast<bool>(fields >> status.state >> status.parent);
    return status;
}

}  // namespace

std::vector<pid_t> ChildProcesses(char state)
{
    std::vector<pid_t> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(std::atoi(name.c_str()));
        const ProcessStatus status = ReadStatus(pid);
        if (status.found && status.parent == getpid() && (!state || status.state == state)) {
            children.push_back(pid);
        }
    }
    return children;
}

bool ProcessEnded(pid_t pid)
{
    const ProcessStatus status = ReadStatus(pid);
    return !status.found || status.state == 'Z';
}

}  // namespace testsupport
