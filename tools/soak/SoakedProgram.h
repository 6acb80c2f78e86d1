#pragma once

#include <sys/types.h>

#include <string>

namespace soak {

// One run of the program under test in the current folder, its standard output and error
// written to files there, watched through /proc.
class SoakedProgram {
public:
    SoakedProgram(const std::string& binary, const std::string& outputFile,
                  const std::string& errorFile);
    ~SoakedProgram();  // a program still running is killed
    SoakedProgram(const SoakedProgram&) = delete;
    SoakedProgram& operator=(const SoakedProgram&) = delete;

    pid_t Pid() const { return pid_; }
    // Collects the program's end when it has come; false from then on.
    bool Running();
    // Waits up to timeoutMs for the end; answers whether it came.
    bool WaitForEnd(int timeoutMs);
    // Asks with SIGTERM, then insists with SIGKILL, and collects the end.
    void Stop();

    bool EndedNormally() const;  // exit status 0
    // "exit status 3", "signal 11 (Segmentation fault)" or "running".
    std::string EndDescription() const;
    long ResidentKilobytes() const;  // VmRSS, 0 when it cannot be read
    // Children of the program that have ended and were not collected.
    int ZombieChildren() const;

private:
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
};

// Milliseconds of a monotonic clock.
double NowMs();
void SleepMs(int milliseconds);

}  // namespace soak
