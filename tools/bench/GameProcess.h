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

// Processor time a process has used so far, user and system, in seconds.
double CpuSecondsOf(pid_t pid);

// One run of the game binary in the current folder, watched from a connection of its own:
// when its main window shows its first complete paint, how much memory it holds and how much
// processor time it has used.
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
    // Processor time used so far, user and system, in seconds.
    double CpuSeconds() const { return CpuSecondsOf(pid_); }

private:
    bool FindWindow();
    bool CompletelyPainted();

    pid_t pid_ = -1;
    Display* display_ = nullptr;
    Window window_ = 0;
    double startMs_ = 0;
};

// A process that does nothing but what an idle event loop cannot avoid: a 10 ms select on a
// connection to the X server, over and over. Its processor time is the floor for the game's.
class IdleLoopProcess {
public:
    IdleLoopProcess();
    ~IdleLoopProcess();
    IdleLoopProcess(const IdleLoopProcess&) = delete;
    IdleLoopProcess& operator=(const IdleLoopProcess&) = delete;

    double CpuSeconds() const { return CpuSecondsOf(pid_); }

private:
    pid_t pid_ = -1;
};

}  // namespace benchmark
