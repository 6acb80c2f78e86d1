#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/RankingTicker.h"

namespace tarnbrook {
namespace {

DateTime At(int seconds)
{
    DateTime time;
    time.SetDateTime(2024, 5, 1, 12, 0, 0).AddSeconds(seconds);
    return time;
}

// Each line in turn, then an empty period, then again; new lines come in where the cycle
// stands.
TEST(RankingTicker, ShowsEachLineInTurnThenAnEmptyPeriodThenStartsAgain)
{
    RankingTicker ticker;
    ticker.SetLines({"00300 Anna Level 3", "00120 Bruno Level 2", "00010 Carla Level 1"});
    EXPECT_EQ(ticker.Advance(At(0)), std::nullopt);  // the first tick starts the clock
    EXPECT_EQ(ticker.Advance(At(5)), std::nullopt);  // five whole seconds are not enough
    EXPECT_EQ(ticker.Advance(At(6)), "Top Ten: 1  Score 00300 Anna Level 3");
    EXPECT_EQ(ticker.Advance(At(11)), std::nullopt);
    EXPECT_EQ(ticker.Advance(At(12)), "Top Ten: 2  Score 00120 Bruno Level 2");
    EXPECT_EQ(ticker.Advance(At(18)), "Top Ten: 3  Score 00010 Carla Level 1");
    EXPECT_EQ(ticker.Advance(At(24)), "");
    EXPECT_EQ(ticker.Advance(At(30)), "Top Ten: 1  Score 00300 Anna Level 3");
    ticker.SetLines({"00500 Dario Level 4", "00400 Elena Level 3"});
    EXPECT_EQ(ticker.Advance(At(36)), "Top Ten: 2  Score 00400 Elena Level 3");
    EXPECT_EQ(ticker.Advance(At(42)), "");
}

}  // namespace
}  // namespace tarnbrook
