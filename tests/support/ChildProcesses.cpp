#include "support/ChildProcesses.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace testsupport {

namespace {

// From "pid (name) state ...": the name may hold blanks and parentheses. 0 when it is gone.
char StateOf(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(in, text);
    const auto nameEnd = text.rfind(") ");
    return nameEnd == std::string::npos ? 0 : text[nameEnd + 2];
}

}  // namespace

std::vector<pid_t> ChildProcesses(char state, pid_t parent)
{
    const std::string pid = std::to_string(parent ? parent : getpid());
    std::ifstream in("/proc/" + pid + "/task/" + pid + "/children");
    std::vector<pid_t> children;
    for (pid_t child; in >> child;) {
        if (!state || StateOf(child) == state) {
            children.push_back(child);
        }
    }
    return children;
}

std::vector<pid_t> CopiesOfThisProgram()
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    std::vector<pid_t> copies;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
        const pid_t pid = std::atoi(entry.path().filename().c_str());
        if (pid > 0 && pid != getpid() && fs::read_symlink(entry.path() / "exe", error) == self &&
            !error) {
            copies.push_back(pid);
        }
    }
    return copies;
}

bool ProcessEnded(pid_t pid)
{
    const char state = StateOf(pid);
    return state == 0 || state == 'Z';
}

}  // namespace testsupport
