#pragma once

#include <sys/types.h>

#include <vector>

namespace testsupport {

// The children of this process (or of parent), from /proc; only those in state ('Z') if given.
std::vector<pid_t> ChildProcesses(char state = 0, pid_t parent = 0);
// Other processes running this program's executable: copies of it made by fork.
std::vector<pid_t> CopiesOfThisProgram();
// True when the process is gone or only waits to be reaped.
bool ProcessEnded(pid_t pid);

}  // namespace testsupport
