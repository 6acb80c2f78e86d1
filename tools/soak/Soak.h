#pragma once

#include <sys/types.h>

#include <random>
#include <string>
#include <vector>

#include "support/InputDriver.h"

namespace soak {

// Runs the program again and again in the current folder (which holds its Data) for the given
// time with random but plausible clicks, keys and close requests, the same for the same seed.
// Reports no main window, death by a signal, a non-zero exit status, standard error (sanitizer
// reports), lines in log.txt, uncollected children, no end when asked; and each run's memory and
// X windows, printed and kept in the output folder's summary.txt.
class Soak {
public:
    Soak(const std::string& program, const std::string& outputFolder, unsigned seed);
    Display* GetDisplay() const { return input_.GetDisplay(); }
    int Run(int seconds);  // answers the number of findings

private:
    struct Shown {
        Window id;
        std::string title;
        int width, height;
    };
    struct Figures {
        int actions = 0;
        long firstKb = 0, lastKb = 0, peakKb = 0;  // resident memory
        // The program's X windows while only the main window is shown, and at most.
        int firstWindows = -1, lastWindows = -1, mostWindows = 0;
        size_t mostZombies = 0;
    };

    void RunOnce(double deadline);
    bool Play(double deadline);
    bool EndOrderly();
    void Sample();
    std::vector<Shown> Windows(bool viewableOnly);
    void Act(const std::vector<Shown>& windows);
    int Between(int from, int to);
    bool Running();
    bool WaitForEnd(int timeoutMs);
    void Finding(const std::string& what);
    void Report(const std::string& line);

    testsupport::InputDriver input_;
    Display* display_;
    XID clientMask_;
    std::string program_, summary_;
    unsigned seed_;
    std::mt19937 random_;
    pid_t pid_ = -1;
    int status_ = 0, run_ = 0, actions_ = 0, findings_ = 0;
    Window main_ = 0;
    double runStartMs_ = 0;
    Figures figures_;
};

}  // namespace soak
