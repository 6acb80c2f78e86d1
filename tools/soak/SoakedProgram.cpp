#include "SoakedProgram.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace soak {

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void SleepMs(int milliseconds)
{
    usleep(static_cast<useconds_t>(milliseconds) * 1000);
}

SoakedProgram::SoakedProgram(const std::string& binary, const std::string& outputFile,
                             const std::string& errorFile)
{
    const int output = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int error = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(output, STDOUT_FILENO);
        dup2(error, STDERR_FILENO);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output);
    close(error);
    ended_ = pid_ < 0;
}

SoakedProgram::~SoakedProgram()
{
    Stop();
}

bool SoakedProgram::Running()
{
    ended_ = ended_ || waitpid(pid_, &status_, WNOHANG) == pid_;
    return !ended_;
}

bool SoakedProgram::WaitForEnd(int timeoutMs)
{
    const double end = NowMs() + timeoutMs;
    while (Running() && NowMs() < end) {
        SleepMs(20);
    }
    return !Running();
}

void SoakedProgram::Stop()
{
    if (Running()) {
        kill(pid_, SIGTERM);
        if (!WaitForEnd(5000)) {
            kill(pid_, SIGKILL);
            WaitForEnd(5000);
        }
    }
}

bool SoakedProgram::EndedNormally() const
{
    return ended_ && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
}

std::string SoakedProgram::EndDescription() const
{
    if (!ended_) {
        return "running";
    }
    if (WIFSIGNALED(status_)) {
        const int signal = WTERMSIG(status_);
        return "signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
    }
    return "exit status " + std::to_string(WEXITSTATUS(status_));
}

long SoakedProgram::ResidentKilobytes() const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

int SoakedProgram::ZombieChildren() const
{
    DIR* proc = opendir("/proc");
    int zombies = 0;
    while (const dirent* entry = proc ? readdir(proc) : nullptr) {
        // "pid (name) state parent ...": the name may hold blanks, the state follows the last ')'.
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string text;
        std::getline(stat, text);
        const size_t close = text.rfind(") ");
        char state = 0;
        int parent = 0;
        if (close != std::string::npos &&
            std::sscanf(text.c_str() + close + 2, "%c %d", &state, &parent) == 2) {
            zombies += state == 'Z' && parent == pid_;
        }
    }
    if (proc) {
        closedir(proc);
    }
    return zombies;
}

}  // namespace soak
