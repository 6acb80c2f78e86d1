#pragma once

#include <string>

namespace tarnbrook {

// The program's only diagnostic channel: one line to standard output and to "log.txt".
void WriteLog(const char* text);
void WriteLog(const std::string& text);

}  // namespace tarnbrook
