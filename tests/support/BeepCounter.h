#pragma once

#include <string>

#include "support/FakeCommands.h"

namespace testsupport {

// Counts the beeps of the program exactly. It puts "Data/beep.wav" in the working folder and the
// fake aplay first on PATH, and while it lives this process adopts the orphans of its children
// (a child subreaper): the player that Beep leaves behind stays a child of ours, so Count can
// wait until every one of them has ended and the fake's record is complete.
class BeepCounter {
public:
    explicit BeepCounter(const std::string& folder);
    ~BeepCounter();
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    // Beeps so far, after every sound started so far has ended; -1 when they did not end in time.
    int Count();

private:
    FakeCommands commands_;
};

}  // namespace testsupport
