#pragma once

#include <string>

namespace tarnbrook {

// Both run a command line through /bin/sh with system() and wait for it.
// The answer is true when the command FAILED (system() returned non-zero), false on success.

// Runs program + " " + arguments. The arguments reach the shell as they are: a caller that
// passes names with blanks or shell characters must quote them itself.
bool RunCommand(const std::string& program, const std::string& arguments);
// Runs a whole command line as it is.
bool RunShell(const std::string& command);

}  // namespace tarnbrook
