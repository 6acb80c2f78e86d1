#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "GameWindows.h"
#include "Monkey.h"

namespace soak {

class SoakedProgram;

struct SoakOptions {
    std::string binary;
    std::string outputFolder;  // the summary and the traces of failed runs go here
    std::string titlePrefix = "Tarnbrook";  // the main window's title begins with it
    int seconds = 60;
    unsigned seed = 1;
};

// What one run of the program showed.
struct RunFigures {
    int events = 0;
    double seconds = 0;
    long firstResidentKb = 0;
    long lastResidentKb = 0;
    long peakResidentKb = 0;
    // The program's X windows, counted while only the main window is shown.
    int firstWindows = -1;
    int lastWindows = -1;
    int mostWindows = 0;
    int mostShown = 0;
    int mostZombies = 0;
    std::string end;
};

// Runs the program again and again in the current folder (which holds its Data) for the
// given time, feeding it random input, and reports every sign of a fault: death by a signal,
// a non-zero exit status, anything on standard error (sanitizer reports), lines in log.txt,
// more than one uncollected child, a program that does not end when asked.
class Soak {
public:
    Soak(const SoakOptions& options, Display* display);
    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;

    // Answers the number of findings.
    int Run();

private:
    void RunOnce(double deadline);
    int Play(SoakedProgram& program, double deadline, RunFigures& figures,
             std::vector<std::string>& seenLines);
    void NoteChange(const std::vector<ShownWindow>& shown, std::string& titles);
    bool WaitForMainWindow(SoakedProgram& program);
    void Sample(SoakedProgram& program, RunFigures& figures, bool onlyMainShown);
    void CheckLog(std::vector<std::string>& seenLines);
    bool EndOrderly(SoakedProgram& program);
    void Judge(SoakedProgram& program, std::vector<std::string>& seenLines);
    void Note(const std::string& what);
    void Finding(const std::string& what);
    void WriteTrace();
    void Summarise(const RunFigures& figures);
    void WriteSummary();

    SoakOptions options_;
    Display* display_;
    GameWindows windows_;
    Monkey monkey_;
    int run_ = 0;
    int totalEvents_ = 0;
    double runStartMs_ = 0;
    std::vector<std::string> trace_;
    std::vector<std::string> findings_;
    std::vector<std::string> summary_;
};

}  // namespace soak
