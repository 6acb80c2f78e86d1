#include "game/RankingTicker.h"

#include <utility>

#include "util/StringUtils.h"

namespace tarnbrook {

void RankingTicker::SetLines(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
}

std::optional<std::string> RankingTicker::Advance(const DateTime& now)
{
    if (!clockSet_) {
        lastChange_ = now;
        clockSet_ = true;
    }
    if (lastChange_.SecondsUntil(now) <= kSecondsPerLine) {
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
