#include "support/BeepCounter.h"

#include <sys/prctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "support/WaitFor.h"

namespace testsupport {

namespace {

// Reaps children until none is left.
bool Settle()
{
    return WaitFor([] {
        while (waitpid(-1, nullptr, WNOHANG) > 0) {
        }
        return waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
    });
}

}  // namespace

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
    return Settle() ? commands_.Count("aplay Data/beep.wav") : -1;
}

}  // namespace testsupport
