#pragma once

#include <string>

#include "support/FakeCommands.h"

namespace testsupport {

// Counts the program's beeps exactly: a fake aplay first on PATH records its call and plays until
// the next Count, so a beep asked for meanwhile is dropped as one asked for while another plays
// is. This process adopts its children's orphans meanwhile, so Count can wait for every player.
class BeepCounter {
public:
    explicit BeepCounter(const std::string& folder);
    ~BeepCounter();
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    // Beeps so far, after every sound started so far has ended; -1 when they did not end in time.
    int Count();

private:
    std::string stop_;
    FakeCommands commands_;
};

}  // namespace testsupport
