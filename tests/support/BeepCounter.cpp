#include "support/BeepCounter.h"

#include <sys/prctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "support/WaitFor.h"

namespace testsupport {

namespace {
const char* const kBeepCall = "aplay Data/beep.wav";
}

BeepCounter::BeepCounter(const std::string& folder) : commands_(folder)
{
    std::filesystem::create_directories(folder + "/Data");
    std::ofstream(folder + "/Data/beep.wav") << "RIFF";
    prctl(PR_SET_CHILD_SUBREAPER, 1);
}

BeepCounter::~BeepCounter()
{
    Settle();
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

int BeepCounter::Count()
{
    if (!Settle()) {
        return -1;
    }
    int beeps = 0;
    for (const std::string& call : commands_.Calls()) {
        beeps += call == kBeepCall ? 1 : 0;
    }
    return beeps;
}

// Reaps children until none is left.
bool BeepCounter::Settle()
{
    return WaitFor([] {
        pid_t reaped;
        while ((reaped = waitpid(-1, nullptr, WNOHANG)) > 0) {
        }
        return reaped < 0 && errno == ECHILD;
    });
}

}  // namespace testsupport
