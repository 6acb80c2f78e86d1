#pragma once

#include <string>

namespace tarnbrook {

// Starting the web browser and the mail program from the about box's link cells.

// The text as one word for /bin/sh, whatever characters it holds: in single quotes, with each
// single quote written as '\''.
std::string QuoteForShell(const std::string& text);

// Runs the command line through the shell in a grandchild process and returns at once. The
// child in between ends straight away and is reaped here; the grandchild, an orphan, is reaped
// by the system, so no zombie is left however long the program runs. Neither child touches the
// parent's X connection or exit path: both end with _exit. When no process can be made, the
// command runs here and is waited for.
void LaunchInBackground(const std::string& commandLine);

}  // namespace tarnbrook
