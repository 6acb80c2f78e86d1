#include "support/BeepCounter.h"

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/WaitFor.h"

namespace testsupport {

BeepCounter::BeepCounter(const std::string& folder)
    : stop_(folder + "/beeps-stop"), commands_(folder)
{
    std::filesystem::create_directories(folder + "/Data");
    std::ofstream(folder + "/Data/beep.wav") << "RIFF";
    const std::string aplay = folder + "/fake-bin/aplay";
    std::ofstream(aplay) << "#!/bin/sh\necho \"aplay $*\" >> '" << folder << "/fake-calls.txt'\n"
                         << "while [ ! -e '" << stop_ << "' ]; do sleep 0.01; done\n";
    chmod(aplay.c_str(), 0755);
    prctl(PR_SET_CHILD_SUBREAPER, 1);
}

BeepCounter::~BeepCounter()
{
    Count();
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

int BeepCounter::Count()
{
    std::ofstream(stop_).flush();
    const bool settled = WaitFor([] {  // every child reaped
        while (waitpid(-1, nullptr, WNOHANG) > 0) {
        }
        return waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
    });
    std::remove(stop_.c_str());
    return settled ? commands_.Count("aplay Data/beep.wav") : -1;
}

}  // namespace testsupport
