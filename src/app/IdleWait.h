#pragma once

#include <cstdint>

#include "ui/Timer.h"

namespace tarnbrook {

// Microseconds of a monotonic clock: it never jumps with the wall clock and stands still while
// the machine is suspended, so neither counts as idle steps.
int64_t MonotonicMicroseconds();

// How the event loop spends idle time. Timers count idle time in whole steps of 10 ms, and a
// step in which input arrived does not count. Rather than waking for every step, one wait on
// the X connection lasts until the next running timer is due (without limit when none runs);
// on waking, the whole steps that passed, never more than the wait was planned for, are applied
// one by one to the tick counter and the timers, before the input that ended the wait is handled.
class IdleWait {
public:
    using Clock = int64_t (*)();                                 // monotonic microseconds
    using Wait = int (*)(int fd, int milliseconds, int wakeFd);  // as WaitForInput

    static constexpr int kStepMs = 10;

    explicit IdleWait(Clock clock = MonotonicMicroseconds, Wait wait = tarnbrook::WaitForInput);

    // Waits until fd is readable or the next running timer is due and applies the idle steps
    // that passed. Answers true when fd became readable (or the wait failed): the step in
    // progress then does not count. A readable wakeFd or a signal ends the wait too, as a
    // time-out does: the step in progress goes on.
    bool WaitForInput(int fd, int wakeFd = -1);
    // Input was taken without waiting: the step in progress does not count either.
    void Restart() { counting_ = false; }

private:
    int WaitMilliseconds(int64_t now, int64_t steps) const;

    Clock clock_;
    Wait wait_;
    bool counting_ = false;  // a step is in progress since stepStart_
    int64_t stepStart_ = 0;
};

}  // namespace tarnbrook
