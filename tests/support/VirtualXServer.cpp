#include "support/VirtualXServer.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace testsupport {

namespace {

std::string ReadDisplayNumber(int fd, int timeoutMs)
{
    std::string digits;
    pollfd pfd{fd, POLLIN, 0};
    while (poll(&pfd, 1, timeoutMs) > 0) {
        char c;
        if (read(fd, &c, 1) != 1 || c == '\n') {
            break;
        }
        digits += c;
    }
    return digits;
}

}  // namespace

VirtualXServer::VirtualXServer(int depth, int width, int height)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(depth);
    const std::string fd = std::to_string(fds[1]);
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid_ > 0) {
        const std::string number = ReadDisplayNumber(fds[0], 20000);
        if (!number.empty()) {
            name_ = ":" + number;
        }
    }
    close(fds[0]);
}

VirtualXServer::~VirtualXServer()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

}  // namespace testsupport
