#include "util/StopWatch.h"

#include <gtest/gtest.h>

#include <ctime>

namespace tarnbrook {
namespace {

TEST(StopWatch, SplitsTheElapsedSeconds)
{
    StopWatch watch;  // without a start it measures from the epoch: a large value to split
    const long long before = std::time(nullptr);
    const long long elapsed = watch.Stop();
    EXPECT_GE(elapsed, before);
    EXPECT_EQ(watch.Hours() * 3600 + watch.Minutes() * 60 + watch.Seconds(), elapsed);
    EXPECT_LT(watch.Minutes(), 60);
    EXPECT_LT(watch.Seconds(), 60);
    watch.Start();
    EXPECT_GE(watch.Stop(), 0);
    EXPECT_EQ(watch.Hours(), 0);
}

}  // namespace
}  // namespace tarnbrook
