#pragma once

#include <string>

#include "support/FakeCommands.h"

namespace testsupport {

// Counts the beeps of the program exactly. It puts "Data/beep.wav" in the working folder and a
// fake aplay first on PATH that records its call and then plays until the next Count, so a beep
// asked for meanwhile is dropped, as one asked for while another plays is. While it lives this
// process adopts the orphans of its children (a child subreaper), so Count can wait until every
// player has ended and the record is complete.
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
