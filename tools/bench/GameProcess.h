#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>

namespace benchmark {

// Milliseconds of a monotonic clock.
double NowMs();
// A connection to $DISPLAY. A server busy with other clients may refuse a connection for a
// moment (EAGAIN), so this tries again for a while; null when it never succeeds.
Display* OpenDisplayPatiently();

// What a process has used so far: processor time, user and system, in seconds (to the
// nanosecond where the kernel keeps schedstat) and in whole clock ticks as top sees it, and how
// often it went to sleep of its own accord (voluntary context switches: each is one wake-up).
struct Usage {
    double cpuSeconds = 0;
    long cpuTicks = 0;
    long wakeUps = 0;

    Usage operator-(const Usage& earlier) const
    {
        return Usage{cpuSeconds - earlier.cpuSeconds, cpuTicks - earlier.cpuTicks,
                     wakeUps - earlier.wakeUps};
    }
};
Usage UsageOf(pid_t pid);

// One run of the game binary in the current folder, watched from a connection of its own:
// when its main window shows its first complete paint, how much memory it holds and what it
// has used.
class GameProcess {
public:
    explicit GameProcess(const std::string& binary);
    ~GameProcess();  // ends the game
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool Started() const { return pid_ > 0 && display_ != nullptr; }
    // Milliseconds from the start of the process to the first complete paint of its main window,
    // or a negative number when it did not come within the bound.
    double WaitForFirstPaint(int timeoutMs);
    // Peak resident memory in bytes (VmHWM), 0 when it cannot be read.
    long PeakResidentBytes() const;
    Usage Used() const { return UsageOf(pid_); }

private:
    bool FindWindow();
    bool CompletelyPainted();

    pid_t pid_ = -1;
    Display* display_ = nullptr;
    Window window_ = 0;
    double startMs_ = 0;
};

}  // namespace benchmark
