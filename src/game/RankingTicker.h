#pragma once

#include <optional>
#include <string>
#include <vector>

#include "util/DateTime.h"

namespace tarnbrook {

// What the main window's top bar shows of the ranking: the lines one after another, numbered
// from 1, then one empty period, then the first line again. The bar changes only when the clock
// has moved on by more than five whole seconds since the last change, so with a tick every
// 1.2 seconds each line stays about six seconds. It knows no display: the window shows the text
// it gives.
class RankingTicker {
public:
    static constexpr long long kSecondsPerLine = 5;

    // New lines take effect at the next change; the position in the cycle stays.
    void SetLines(std::vector<std::string> lines);

    // One tick at the given time: the bar's new text when it changes, nothing otherwise. The
    // first tick only starts the clock; without lines the bar never changes.
    std::optional<std::string> Advance(const DateTime& now);

private:
    std::vector<std::string> lines_;
    bool clockSet_ = false;
    DateTime lastChange_;
    int nextLine_ = 0;
};

}  // namespace tarnbrook
