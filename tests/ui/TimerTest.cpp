#include <gtest/gtest.h>

#include "ui/Timer.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/IdleWait.h"
#include "support/RecordingForm.h"

namespace tarnbrook {
namespace {

using Timers = std::vector<Timer*>;

Timers fired;
Timer* victim = nullptr;           // destroyed by the killer's callback
std::unique_ptr<Timer> selfOwned;  // destroyed by its own callback
std::unique_ptr<Timer> spawned;    // made by the maker's callback

void RecordFire(Timer* timer)
{
    fired.push_back(timer);
}

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { fired.clear(); }
    // A running timer of the form's.
    Timer* Started(Timer* timer, void (*onTimer)(Timer*) = RecordFire)
    {
        timer->SetOnTimer(onTimer);
        timer->Start();
        return timer;
    }

    std::vector<std::string> journal;
    testsupport::RecordingForm form{&journal};
};

// A timer made during the walk waits for the next one; each call starts counting from nothing.
TEST_F(TimerTest, ACallbackMayDestroyAnotherTimerItselfOrMakeANewOne)
{
    Timer killer(&form, 0);
    Started(&killer, [](Timer* timer) {
        RecordFire(timer);
        delete victim;
    });
    victim = Started(new Timer(&form, 0));
    selfOwned = std::make_unique<Timer>(&form, 0);
    Timer* self = Started(selfOwned.get(), [](Timer* timer) {
        RecordFire(timer);
        selfOwned.reset();
    });
    Timer maker(&form, 0);
    Started(&maker, [](Timer* timer) {
        RecordFire(timer);
        spawned = std::make_unique<Timer>(nullptr, 0);
        spawned->SetOnTimer(RecordFire);
        spawned->Start();
    });
    TickAll(10);
    EXPECT_EQ(fired, (Timers{&killer, self, &maker}));
    EXPECT_LT(killer.GetId(), maker.GetId());  // a new id for each, as for elements
    killer.Stop();
    maker.Stop();
    fired.clear();
    TickAll(10);
    EXPECT_EQ(fired, Timers{spawned.get()});
    spawned.reset();
    EXPECT_EQ(Application::timers, (Timers{&killer, &maker}));

    Timer paced(&form, 2);
    Started(&paced);
    fired.clear();
    for (uint32_t ms : {1, 1, 1, 1, 1, 1, 25}) {
        TickAll(ms);
    }
    EXPECT_EQ(fired, (Timers(4, &paced)));
    EXPECT_EQ(paced.GetElapsed(), 0u);
}

// Idle time on a clock the test moves, over a fixed stream of input that takes 3 ms to handle.
namespace idle {

int64_t nowUs = 0;
std::vector<int64_t> inputsUs;
size_t nextInput = 0;
int waits = 0;
std::vector<std::string> journal;
Timer *juggler = nullptr, *sleeper = nullptr;

// A wait ends at the first input before its time-out, else at the time-out.
int Wait(int, int milliseconds, int)
{
    ++waits;
    const int64_t end = milliseconds < 0 ? INT64_MAX : nowUs + milliseconds * int64_t{1000};
    const bool input = nextInput < inputsUs.size() && inputsUs[nextInput] < end;
    nowUs = input ? std::max(nowUs, inputsUs[nextInput++]) : end;
    return input;
}

// The reference loop: a 10 ms slice is an idle step unless input arrives inside it.
void PollingLoop()
{
    while (nextInput < inputsUs.size()) {
        if (inputsUs[nextInput] < nowUs + 10000) {
            nowUs = std::max(nowUs, inputsUs[nextInput++]) + 3000;
        } else {
            nowUs += 10000;
            Application::tickCounter = (Application::tickCounter + 10) % 1000;
            TickAll(10);
        }
    }
}

void SleepingLoop()
{
    IdleWait wait([] { return nowUs; }, Wait);
    while (nextInput < inputsUs.size()) {
        if (wait.WaitForInput(0)) {
            nowUs += 3000;
        }
    }
}

// Notes the call; answers how many calls the timer has had.
int64_t Note(Timer* timer)
{
    journal.push_back(timer->GetTag() + " at " + std::to_string(nowUs / 1000) + " tick " +
                      std::to_string(Application::tickCounter));
    return ++*timer->GetUserValueRef();
}

// Ticker stops all on call 2; juggler and sleeper hand over to each other and a spawned timer.
void Ticker(Timer* timer)
{
    if (Note(timer) == 2) {
        for (Timer* each : Application::timers) {
            each->Stop();
        }
    }
}

void Juggler(Timer* timer)
{
    if (Note(timer) == 2) {
        timer->Stop();
        sleeper->Start();
        spawned = std::make_unique<Timer>(nullptr, 20);
        spawned->SetTag("spawned");
        spawned->SetOnTimer([](Timer* self) { Note(self); });
        spawned->Start();
    }
}

void Sleeper(Timer* timer)
{
    if (Note(timer) == 3) {
        spawned.reset();
        timer->Stop();
        juggler->SetInterval(500);
        juggler->Start();
    }
}

// Runs the timers through a loop; answers their calls, elapsed times and the tick counter.
std::vector<std::string> Scenario(Form* form, void (*loop)())
{
    Application::tickCounter = 0;
    nowUs = 0;
    inputsUs = {47000, 52000, 58000, 333000, 1801500, 2650000, 3100000};
    nextInput = 0;
    journal.clear();
    Timer ticker(form, 1200), sleeping(form, 0), juggling(form, 25);
    ticker.SetTag("ticker");
    sleeping.SetTag("sleeper");
    juggling.SetTag("juggler");
    sleeper = &sleeping;
    juggler = &juggling;
    ticker.SetOnTimer(Ticker);
    sleeping.SetOnTimer(Sleeper);
    juggling.SetOnTimer(Juggler);
    ticker.Start();
    juggling.Start();
    loop();
    for (Timer* timer : {&ticker, &sleeping, &juggling}) {
        journal.push_back(timer->GetTag() + " elapsed " + std::to_string(timer->GetElapsed()));
    }
    journal.push_back("tick " + std::to_string(Application::tickCounter));
    spawned.reset();
    return journal;
}

}  // namespace idle

// Input at 47, 52 and 58 ms takes idle slices away; the last waits still move the counter.
TEST_F(TimerTest, SleepingUntilATimerIsDueLeavesTimersAndTickCounterWherePollingDoes)
{
    const std::vector<std::string> polled = idle::Scenario(&form, idle::PollingLoop);
    idle::waits = 0;
    EXPECT_EQ(idle::Scenario(&form, idle::SleepingLoop), polled);
    ASSERT_EQ(polled.size(), 16u);
    EXPECT_EQ(polled[1], "juggler at 81 tick 60");
    EXPECT_EQ(polled[15], "tick 50");
    EXPECT_LE(idle::waits, 12 + 7);  // at most one per timer call or input, against 290 steps
}

// What one wait counts: nothing without a timer; with a timer, even a stopped one, the idle
// steps; after a wake two seconds late (the process was stopped in a 100 ms wait) only the steps
// it planned, so the timer fires once, not 21 times.
TEST_F(TimerTest, AWaitCountsIdleStepsOnlyWithATimerAndNoMoreThanItPlanned)
{
    Application::tickCounter = 0;
    idle::inputsUs = {50000, 100000};
    idle::nowUs = idle::nextInput = 0;
    IdleWait wait([] { return idle::nowUs; }, idle::Wait);
    EXPECT_TRUE(wait.WaitForInput(0));
    EXPECT_EQ(Application::tickCounter, 0);
    Timer timer(&form, 100);
    EXPECT_TRUE(wait.WaitForInput(0));
    EXPECT_EQ(Application::tickCounter, 50);
    Started(&timer);
    IdleWait late([] { return idle::nowUs; },
                  [](int, int milliseconds, int) {
                      idle::nowUs += milliseconds * int64_t{1000} + 2000000;
                      return 0;
                  });
    EXPECT_FALSE(late.WaitForInput(0));
    EXPECT_EQ(fired, Timers{&timer});
}

TEST(WaitForInputTest, AnswersZeroOnTimeOutAndOneWhenReadableWithOrWithoutLimit)
{
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    EXPECT_EQ(WaitForInput(ends[0], 10), 0);
    EXPECT_EQ(WaitForInput(ends[0], 0), 0);  // a poll
    ASSERT_EQ(write(ends[1], "x", 1), 1);
    EXPECT_EQ(WaitForInput(ends[0], -1), 1);  // no limit
    close(ends[0]);
    close(ends[1]);
}

}  // namespace
}  // namespace tarnbrook
