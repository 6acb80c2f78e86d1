#include "game/RankingTicker.h"

#include <chrono>
#include <utility>

#include "util/StringUtils.h"

namespace tarnbrook {

RankingTicker::RankingTicker(Clock clock) : clock_(clock) {}

int64_t RankingTicker::SteadySeconds()
{
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

void RankingTicker::SetLines(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
}

std::optional<std::string> RankingTicker::Advance()
{
    const int64_t now = clock_();
    // A reading before the last change (a clock other than the steady one, set back) starts
    // the interval again instead of holding the bar until the clock has caught up.
    if (!clockSet_ || now < lastChange_) {
        lastChange_ = now;
        clockSet_ = true;
    }
    if (now - lastChange_ <= kSecondsPerLine) {
        return std::nullopt;
    }
    lastChange_ = now;
    const int lines = static_cast<int>(lines_.size());
    if (lines == 0) {
        return std::nullopt;
    }
    if (nextLine_ >= lines) {
        nextLine_ = 0;
        return std::string();
    }
    const std::string text = "Top Ten: " + IntToString(nextLine_ + 1) + "  Score " +
                             lines_[static_cast<size_t>(nextLine_)];
    ++nextLine_;
    return text;
}

}  // namespace tarnbrook
