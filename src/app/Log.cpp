#include "app/Log.h"

#include <cstdio>
#include <unistd.h>

namespace tarnbrook {

namespace {
const char* const kLogFile = "log.txt";
}

void WriteLog(const char* text)
{
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);

    // The file is opened and closed for every line so that nothing stays open between calls.
    const bool exists = access(kLogFile, F_OK) == 0;
    std::FILE* file = std::fopen(kLogFile, exists ? "a" : "w");
    if (!file) {
        return;
    }
    std::fputs(text, file);
    std::fputc('\n', file);
    std::fclose(file);
}

void WriteLog(const std::string& text)
{
    WriteLog(text.c_str());
}

}  // namespace tarnbrook
