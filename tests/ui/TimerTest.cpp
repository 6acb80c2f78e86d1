#include <gtest/gtest.h>

#include "ui/Timer.h"

#include <unistd.h>

#include <memory>
#include <vector>

#include "app/Application.h"
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

// Ticks in 10 ms idle slices until a timer fires; answers how many slices that took.
int SlicesUntilFire(int limit = 100)
{
    const size_t before = fired.size();
    for (int slice = 1; slice <= limit; ++slice) {
        TickAll(10);
        if (fired.size() > before) {
            return slice;
        }
    }
    return -1;
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

// The id is not copied into the user value.
TEST_F(TimerTest, A25MillisecondTimerFiresEveryThirdIdleSliceAndAZeroOneOnEach)
{
    Timer timer(&form, 25);
    Started(&timer);
    EXPECT_EQ(*timer.GetUserValueRef(), 0);
    EXPECT_EQ(SlicesUntilFire(), 3);
    EXPECT_EQ(SlicesUntilFire(), 3);
    EXPECT_EQ(timer.GetElapsed(), 0u);
    timer.SetInterval(0);
    EXPECT_EQ(SlicesUntilFire(), 1);
    timer.Stop();
    EXPECT_EQ(SlicesUntilFire(5), -1);
}

// Stop and restart, Start on a running timer and a new interval keep what was counted.
TEST_F(TimerTest, StoppingAndRestartingKeepsWhatWasCounted)
{
    Timer timer(&form, 100);
    Started(&timer);
    for (int slice = 0; slice < 4; ++slice) {
        TickAll(10);
    }
    timer.Stop();
    TickAll(10);
    const uint32_t id = timer.GetId();
    timer.Start();
    timer.Start();
    timer.SetInterval(110);
    EXPECT_EQ(timer.GetElapsed(), 40u);
    EXPECT_EQ(timer.GetId(), id);
    EXPECT_EQ(SlicesUntilFire(), 7);
}

// A timer made during the walk waits for the next one.
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
    killer.Stop();
    maker.Stop();
    fired.clear();
    TickAll(10);
    EXPECT_EQ(fired, Timers{spawned.get()});
    spawned.reset();
    EXPECT_EQ(Application::timers, (Timers{&killer, &maker}));
}

TEST(WaitForInputTest, AnswersZeroOnTimeOutAndOneWhenReadable)
{
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    EXPECT_EQ(WaitForInput(ends[0], 10), 0);
    ASSERT_EQ(write(ends[1], "x", 1), 1);
    EXPECT_EQ(WaitForInput(ends[0], 1000), 1);
    close(ends[0]);
    close(ends[1]);
}

}  // namespace
}  // namespace tarnbrook
