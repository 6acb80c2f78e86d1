#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace tarnbrook {

// Both run a command line through /bin/sh with system() and wait for it.
// The answer is true when the command FAILED (system() returned non-zero), false on success.

// Runs program + " " + arguments. The arguments reach the shell as they are: a caller that
// passes names with blanks or shell characters must quote them itself.
bool RunCommand(const std::string& program, const std::string& arguments);
// Runs a whole command line as it is.
bool RunShell(const std::string& command);

// Starts a program, looked up on PATH, with its arguments (the first word is the program) and
// returns its process id without waiting; -1 when it cannot be started. No shell parses the
// words and no copy of this program runs meanwhile: the child execs at once. It leads a session
// of its own (so a signal to the group of that id reaches all it starts) and begins with every
// signal at its default, whatever this program ignores.
pid_t StartProgram(const std::vector<std::string>& words);

}  // namespace tarnbrook
