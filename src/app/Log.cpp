#include "app/Log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace tarnbrook {

namespace {
const char* const kLogFile = "log.txt";
}

void WriteLog(const char* text)
{
    // The file first: it keeps the line even when standard output cannot take it.
    // It is opened and closed for every line so that nothing stays open between calls.
    const bool exists = access(kLogFile, F_OK) == 0;
    if (std::FILE* file = std::fopen(kLogFile, exists ? "a" : "w")) {
        std::fputs(text, file);
        std::fputc('\n', file);
        std::fclose(file);
    }

    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void WriteLog(const std::string& text)
{
    WriteLog(text.c_str());
}

void PrepareLog()
{
    for (int standard = 0; standard <= 2; ++standard) {
        // The lowest free number is taken, which is this one.
        if (fcntl(standard, F_GETFD) < 0 && errno == EBADF) {
            open("/dev/null", O_RDWR);
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace tarnbrook
