#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "Monkey.h"

namespace soak {

class SoakedProgram;

struct SoakOptions {
    std::string binary;
    std::string outputFolder;  // the summary and the traces of the runs go here
    int seconds;
    unsigned seed;
};

// What one run of the program showed.
struct RunFigures {
    int actions = 0;
    long firstResidentKb = 0;
    long lastResidentKb = 0;
    long peakResidentKb = 0;
    // The program's X windows, counted while only the main window is shown.
    int firstWindows = -1;
    int lastWindows = -1;
    int mostWindows = 0;
    int mostZombies = 0;
};

// Runs the program again and again in the current folder (which holds its Data) for the
// given time, feeding it random input, and reports every sign of a fault: death by a signal,
// a non-zero exit status, anything on standard error (sanitizer reports), lines in log.txt,
// more than one uncollected child, a program that does not end when asked.
class Soak {
public:
    Soak(const SoakOptions& options, Display* display);

    // Answers the number of findings.
    int Run();

private:
    void RunOnce(double deadline);
    void Play(SoakedProgram& program, double deadline, RunFigures& figures);
    bool EndOrderly(SoakedProgram& program);
    void Sample(SoakedProgram& program, RunFigures& figures);
    void CheckLog();
    void Judge(SoakedProgram& program);
    std::vector<ShownWindow> Windows(bool viewableOnly);
    void Note(const std::string& what);
    void Finding(const std::string& what);
    void Summarise(const RunFigures& figures, const std::string& end);

    SoakOptions options_;
    Display* display_;
    Monkey monkey_;
    XID clientMask_;
    Window main_ = 0;
    int run_ = 0;
    int totalActions_ = 0;
    double runStartMs_ = 0;
    size_t logLinesSeen_ = 0;
    std::string trace_;
    std::vector<std::string> findings_;
    std::string summary_;
};

}  // namespace soak
