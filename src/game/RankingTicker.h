#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnbrook {

// What the main window's top bar shows of the ranking: the lines one after another, numbered
// from 1, then one empty period, then the first line again. The bar changes only when the clock
// has moved on by more than five whole seconds since the last change, so with a tick every
// 1.2 seconds each line stays about six seconds. The clock is one that never goes back, so
// setting the system clock back does not hold the bar still. It knows no display: the window
// shows the text it gives.
class RankingTicker {
public:
    using Clock = int64_t (*)();  // whole seconds
    static constexpr int64_t kSecondsPerLine = 5;

    explicit RankingTicker(Clock clock = SteadySeconds);
    static int64_t SteadySeconds();

    // New lines take effect at the next change; the position in the cycle stays.
    void SetLines(std::vector<std::string> lines);

    const std::vector<std::string>& Lines() const { return lines_; }

    // One tick: the bar's new text when it changes, nothing otherwise. The first tick only
    // starts the clock; without lines the bar never changes.
    std::optional<std::string> Advance();

private:
    Clock clock_;
    std::vector<std::string> lines_;
    bool clockSet_ = false;
    int64_t lastChange_ = 0;
    int nextLine_ = 0;
};

}  // namespace tarnbrook
