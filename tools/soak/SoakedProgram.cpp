#include "SoakedProgram.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <vector>

namespace soak {

namespace {

int OpenForWriting(const std::string& path)
{
    return open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
}

// The text of a file under /proc; empty when the process has gone meanwhile (reading then
// fails with ESRCH, which a stream would throw as an exception).
std::string ReadProcFile(const std::string& path)
{
    std::string text;
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return text;
    }
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return text;
}

// The fields of /proc/<pid>/stat after the command name, which may hold blanks.
std::vector<std::string> StatFields(const std::string& pid)
{
    const std::string text = ReadProcFile("/proc/" + pid + "/stat");
    std::vector<std::string> fields;
    const size_t close = text.rfind(')');
    if (close == std::string::npos) {
        return fields;
    }
    std::istringstream rest(text.substr(close + 1));
    for (std::string field; rest >> field;) {
        fields.push_back(field);
    }
    return fields;
}

bool IsNumber(const char* name)
{
    return *name && std::strspn(name, "0123456789") == std::strlen(name);
}

}  // namespace

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void SleepMs(int milliseconds)
{
    timespec pause{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) < 0 && errno == EINTR) {
    }
}

SoakedProgram::SoakedProgram(const std::string& binary, const std::string& outputFile,
                             const std::string& errorFile)
{
    const int output = OpenForWriting(outputFile);
    const int error = OpenForWriting(errorFile);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(output, STDOUT_FILENO);
        dup2(error, STDERR_FILENO);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output);
    close(error);
    if (pid_ < 0) {
        ended_ = true;
        status_ = 127 << 8;
    }
}

SoakedProgram::~SoakedProgram()
{
    Stop();
}

bool SoakedProgram::Running()
{
    if (ended_) {
        return false;
    }
    if (waitpid(pid_, &status_, WNOHANG) == pid_) {
        ended_ = true;
    }
    return !ended_;
}

bool SoakedProgram::WaitForEnd(int timeoutMs)
{
    const double end = NowMs() + timeoutMs;
    while (Running()) {
        if (NowMs() > end) {
            return false;
        }
        SleepMs(20);
    }
    return true;
}

void SoakedProgram::Stop()
{
    if (!Running()) {
        return;
    }
    kill(pid_, SIGTERM);
    if (!WaitForEnd(5000)) {
        kill(pid_, SIGKILL);
        WaitForEnd(5000);
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
    std::istringstream status(ReadProcFile("/proc/" + std::to_string(pid_) + "/status"));
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

double SoakedProgram::CpuSeconds() const
{
    // utime and stime are the 14th and 15th fields; the state (3rd) is the first after the name.
    const std::vector<std::string> fields = StatFields(std::to_string(pid_));
    if (fields.size() < 13) {
        return 0;
    }
    const long ticks = std::stol(fields[11]) + std::stol(fields[12]);
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int SoakedProgram::ZombieChildren() const
{
    DIR* proc = opendir("/proc");
    if (!proc) {
        return 0;
    }
    const std::string parent = std::to_string(pid_);
    int zombies = 0;
    while (const dirent* entry = readdir(proc)) {
        if (!IsNumber(entry->d_name)) {
            continue;
        }
        // State is the 3rd field of stat, the parent's id the 4th.
        const std::vector<std::string> fields = StatFields(entry->d_name);
        if (fields.size() > 1 && fields[0] == "Z" && fields[1] == parent) {
            ++zombies;
        }
    }
    closedir(proc);
    return zombies;
}

}  // namespace soak
