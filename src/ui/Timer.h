#pragma once

#include <cstdint>

#include "ui/Child.h"

namespace tarnbrook {

class Form;

// An invisible element that calls a function at a fixed interval of idle time. The event loop
// advances every running timer by 10 ms after each 10 ms slice in which no X event arrived, so
// time spent handling events is not counted. A stopped timer keeps what it has counted.
class Timer : public Child {
public:
    using TimerCallback = void (*)(Timer* timer);

    Timer(Form* form, uint32_t interval);
    ~Timer() override;

    void Create() override;

    void Start();
    void Stop();
    void SetInterval(uint32_t milliseconds);
    uint32_t GetInterval() const { return interval; }
    uint32_t GetElapsed() const { return elapsed; }
    bool IsRunning() const { return running; }
    void SetOnTimer(TimerCallback callback) { OnTimer = callback; }

    // Counts ms more on this timer when it runs, and fires it when the interval is reached.
    void Advance(uint32_t milliseconds);
    // How many Advance calls of step ms it takes to fire this timer when it runs.
    int64_t StepsUntilDue(uint32_t step) const;

private:
    bool running = false;
    uint32_t interval;
    uint32_t elapsed = 0;
    TimerCallback OnTimer = nullptr;
};

// Advances every registered timer by ms. Callbacks may start, stop, create or destroy timers:
// the walk covers the timers registered when it began that are still alive.
void TickAll(uint32_t milliseconds);
// Waits up to ms for the descriptor to become readable, without limit when ms is negative, and
// also ends when wakeFd (unless -1) becomes readable or a signal arrives. Answers 1 when fd is
// readable, 0 on time-out, on a wake or a signal, -1 on failure.
int WaitForInput(int fd, int milliseconds, int wakeFd = -1);

}  // namespace tarnbrook
