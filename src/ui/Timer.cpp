#include "ui/Timer.h"

#include <sys/select.h>

#include <algorithm>
#include <cerrno>
#include <list>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "ui/Form.h"

namespace tarnbrook {

Timer::Timer(Form* form, uint32_t interval) : interval(interval)
{
    kind = "timer";
    text = "timer";
    tabStop = false;
    width = 0;
    height = 0;
    parent = form;
    Application::RegisterTimer(this);
}

Timer::~Timer()
{
    running = false;
}

void Timer::Create()
{
    if (created) {
        return;
    }
    // Unlike AssignId, the user value is left alone.
    if (id == 0) {
        id = ++Application::idCounter;
    }
    created = true;
}

void Timer::Start()
{
    if (running) {
        return;
    }
    Create();
    running = true;
}

void Timer::Stop()
{
    running = false;
}

void Timer::SetInterval(uint32_t milliseconds)
{
    interval = milliseconds;
    if (running) {
        Stop();
        Start();
    }
}

void Timer::Advance(uint32_t milliseconds)
{
    if (!running) {
        return;
    }
    elapsed += milliseconds;
    if (elapsed < interval) {
        return;
    }
    // No catching up: whatever exceeds the interval is dropped.
    elapsed = 0;
    if (OnTimer) {
        OnTimer(this);
    }
}

int64_t Timer::StepsUntilDue(uint32_t step) const
{
    if (elapsed >= interval) {
        return 1;
    }
    return (static_cast<int64_t>(interval - elapsed) + step - 1) / step;
}

void TickAll(uint32_t milliseconds)
{
    std::list<ElementWatch<Timer>> snapshot;
    for (Timer* timer : Application::timers) {
        snapshot.emplace_back(timer);
    }
    for (ElementWatch<Timer>& timer : snapshot) {
        if (timer) {
            timer->Advance(milliseconds);
        }
    }
}

int WaitForInput(int fd, int milliseconds, int wakeFd)
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    if (wakeFd >= 0) {
        FD_SET(wakeFd, &readable);
    }
    timeval timeout{};
    timeout.tv_sec = milliseconds / 1000;
    timeout.tv_usec = (milliseconds % 1000) * 1000;
    const int ready = select(std::max(fd, wakeFd) + 1, &readable, nullptr, nullptr,
                             milliseconds < 0 ? nullptr : &timeout);
    if (ready < 0) {
        return errno == EINTR ? 0 : -1;
    }
    return ready > 0 && FD_ISSET(fd, &readable) ? 1 : 0;
}

}  // namespace tarnbrook
