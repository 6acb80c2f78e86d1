#include "app/IdleWait.h"

#include <algorithm>
#include <chrono>
#include <climits>

#include "app/Application.h"

namespace tarnbrook {

namespace {

constexpr int64_t kStepUs = IdleWait::kStepMs * 1000;

#ifdef TARNBROOK_POLLING_LOOP
// The bench builds the game a second time with this defined: no wait then lasts longer than
// one step, which is the loop that polled the X connection every 10 ms, measured beside this one.
constexpr int64_t kMostStepsPerWait = 1;
#else
constexpr int64_t kMostStepsPerWait = 0;  // no bound
#endif

bool AnyTimerRunning()
{
    return std::any_of(Application::timers.begin(), Application::timers.end(),
                       [](Timer* timer) { return timer->IsRunning(); });
}

// Idle steps until the first running timer fires; -1 when none runs.
int64_t StepsUntilNextTimer()
{
    int64_t steps = -1;
    for (Timer* timer : Application::timers) {
        if (timer->IsRunning()) {
            const int64_t due = timer->StepsUntilDue(IdleWait::kStepMs);
            steps = steps < 0 ? due : std::min(steps, due);
        }
    }
    return steps;
}

// The steps the next wait lasts; -1 for no limit.
int64_t PlannedSteps()
{
    const int64_t steps = StepsUntilNextTimer();
    // Polling as the reference loop did, which blocked when there was no timer at all.
    if (kMostStepsPerWait > 0 && !Application::timers.empty() &&
        (steps < 0 || steps > kMostStepsPerWait)) {
        return kMostStepsPerWait;
    }
    return steps;
}

void AdvanceTickCounter(int64_t steps)
{
    const int64_t advanced = Application::tickCounter + steps % 100 * IdleWait::kStepMs;
    Application::tickCounter = static_cast<int>(advanced % 1000);
}

// One step at a time, as a loop waking every 10 ms: a step may fire timers whose callbacks
// start, stop, make or destroy timers or end the loop, and the steps after it see what they did.
void ApplyIdleSteps(int64_t steps)
{
    for (; steps > 0 && !Application::timers.empty() && !Application::quitRequested; --steps) {
        if (!AnyTimerRunning()) {
            AdvanceTickCounter(steps);  // nothing left that could fire: only the counter moves
            return;
        }
        AdvanceTickCounter(1);
        TickAll(IdleWait::kStepMs);
    }
}

}  // namespace

int64_t MonotonicMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

IdleWait::IdleWait(Clock clock, Wait wait) : clock_(clock), wait_(wait) {}

bool IdleWait::WaitForInput(int fd, int wakeFd)
{
    const int64_t now = clock_();
    if (!counting_) {
        stepStart_ = now;
        counting_ = true;
    }
    // Why this keeps every rule of a loop that polls the connection every 10 ms and counts each
    // time-out as an idle step: between two wakes nothing runs, so no timer changes, and from
    // the timers as they stand the first one fires after exactly StepsUntilNextTimer steps;
    // until then the polling loop would only have moved the tick counter. Sleeping that long in
    // one call and then applying the whole steps that passed, one by one through TickAll, puts
    // the counter and every timer where its time-outs would have. When input ends the wait,
    // the steps that elapsed before it were time-outs there too, and the step in progress was
    // the slice in which input arrived, which does not count. Callbacks run inside their own
    // step, so whatever they change (a timer started, stopped, made or destroyed, a new
    // interval, the quit flag) is seen by the steps after them and by the next wait, which is
    // planned afresh on every wake: with a timer due at the next step (an interval of 0, one a
    // callback has just started) it lasts one step, and the loop wakes every 10 ms for as long
    // as that holds. A wake later than planned (the process was stopped or starved) counts no
    // more steps than the wait planned, as the polling loop counted one step per late time-out:
    // timers do not fire in a burst afterwards.
    const int64_t planned = PlannedSteps();
    const bool input = wait_(fd, WaitMilliseconds(now, planned), wakeFd) != 0;
    const int64_t idle = clock_() - stepStart_;
    const bool late = planned >= 0 && idle / kStepUs > planned;
    ApplyIdleSteps(late ? planned : idle / kStepUs);
    if (input) {
        counting_ = false;
        return true;
    }
    // The step in progress goes on (after a late wake, a new one begins); the time the
    // callbacks took was not idle.
    stepStart_ = clock_() - (late ? 0 : idle % kStepUs);
    return false;
}

int IdleWait::WaitMilliseconds(int64_t now, int64_t steps) const
{
    if (steps < 0) {
        return -1;
    }
    const int64_t left = std::max<int64_t>(stepStart_ + steps * kStepUs - now, 0);
    return static_cast<int>(std::min<int64_t>((left + 999) / 1000, INT_MAX));
}

}  // namespace tarnbrook
