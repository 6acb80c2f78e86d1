#pragma once

#include <string>

namespace tarnbrook {

// The program's only diagnostic channel: one line to "log.txt", then to standard output.
void WriteLog(const char* text);
void WriteLog(const std::string& text);

// Makes the log safe to write whatever the program was started with; call it first, before
// anything opens a file or a connection. A closed standard descriptor is opened on /dev/null,
// so that nothing opened later takes its number and receives log lines; SIGPIPE is ignored,
// so that standard output being a closed pipe only loses the lines it would have shown.
void PrepareLog();

}  // namespace tarnbrook
