#pragma once

#include <string>

#include "support/FakeCommands.h"

namespace testsupport {

// A fake aplay that plays until the next Count, so a beep asked for meanwhile is dropped.
class BeepCounter {
public:
    explicit BeepCounter(const std::string& folder);
    ~BeepCounter();
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    // Beeps so far once every player has ended; -1 when they did not in time.
    int Count();

private:
    std::string stop_;
    FakeCommands commands_;
};

}  // namespace testsupport
