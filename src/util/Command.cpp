#include "util/Command.h"

#include <spawn.h>

#include <csignal>
#include <cstdlib>

extern char** environ;

namespace tarnbrook {

bool RunCommand(const std::string& program, const std::string& arguments)
{
    return RunShell(program + " " + arguments);
}

bool RunShell(const std::string& command)
{
    return std::system(command.c_str()) != 0;
}

pid_t StartProgram(const std::vector<std::string>& words)
{
    if (words.empty()) {
        return -1;
    }
    std::vector<char*> argv;
    for (const std::string& word : words) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigfillset(&all);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSID);
    pid_t child = -1;
    const int failed = posix_spawnp(&child, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return failed ? -1 : child;
}

}  // namespace tarnbrook
