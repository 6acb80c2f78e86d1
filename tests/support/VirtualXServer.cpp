#include "support/VirtualXServer.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

VirtualXServer::VirtualXServer(int depth, int width, int height)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    const std::string screen =
        std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(depth);
    const std::string fd = std::to_string(fds[1]);
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;  // written once the server accepts connections
    pollfd ready{fds[0], POLLIN, 0};
    for (char c = 0;
         pid_ > 0 && poll(&ready, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n';) {
        number += c;
    }
    name_ = number.empty() ? "" : ":" + number;
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
