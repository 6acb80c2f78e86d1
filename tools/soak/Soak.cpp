#include "Soak.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "SoakedProgram.h"

namespace soak {

namespace {

const char* const kOutputFile = "stdout.txt";
const char* const kErrorFile = "stderr.txt";
const char* const kLogFile = "log.txt";
// The game asks before it ends; its question's YES button lies 65 pixels left of the right edge
// and 26 above the bottom, at the button's middle.
const char* const kExitTitle = "Exit";
constexpr int kYesFromRight = 65;
constexpr int kYesFromBottom = 26;

constexpr int kStartTimeoutMs = 30000;
constexpr int kSampleEveryMs = 1000;
constexpr int kHiddenMainLimitMs = 10000;
// A minimized main window is brought back after this while.
constexpr int kRestoreAfterMs = 1000;
// Leak checking at the program's end takes a while under the sanitizers.
constexpr int kEndTimeoutMs = 60000;
constexpr int kMostErrorLines = 40;
// Sound children are collected at the next sound: until then the last one, and one it stopped,
// may wait.
constexpr int kZombiesAllowed = 2;

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string FirstLines(const std::string& text, int count)
{
    std::string kept;
    for (const std::string& line : Lines(text)) {
        if (count-- == 0) {
            kept += "    ...\n";
            break;
        }
        kept += "    " + line + "\n";
    }
    return kept;
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

Soak::Soak(const SoakOptions& options, Display* display)
    : options_(options), display_(display), windows_(display), monkey_(display, options.seed)
{
}

int Soak::Run()
{
    const double deadline = NowMs() + options_.seconds * 1000.0;
    while (NowMs() < deadline) {
        RunOnce(deadline);
    }
    WriteSummary();
    return static_cast<int>(findings_.size());
}

void Soak::Note(const std::string& what)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%9.3f ", (NowMs() - runStartMs_) / 1000.0);
    trace_.push_back(stamp + what);
}

void Soak::RunOnce(double deadline)
{
    ++run_;
    windows_.Forget();
    trace_.clear();
    runStartMs_ = NowMs();
    RunFigures figures;
    std::vector<std::string> seenLines;
    SoakedProgram program(options_.binary, kOutputFile, kErrorFile);
    Note("start, process " + std::to_string(program.Pid()));
    bool askedToEnd = false;
    if (WaitForMainWindow(program)) {
        figures.events = Play(program, deadline, figures, seenLines);
        if (program.Running()) {
            Sample(program, figures, windows_.Viewable().size() == 1);
            askedToEnd = true;
            if (!EndOrderly(program)) {
                Finding("the program did not end when asked to");
                program.Stop();
            }
        }
    } else if (program.Running()) {
        Finding("no main window within " + std::to_string(kStartTimeoutMs / 1000) + " s");
        program.Stop();
    }
    figures.seconds = (NowMs() - runStartMs_) / 1000.0;
    Judge(program, seenLines);
    figures.end = program.EndDescription() +
                  (askedToEnd ? ", asked to end" : ", ended during the input");
    totalEvents_ += figures.events;
    WriteTrace();
    Summarise(figures);
}

// Random input until the deadline or the program's end; answers how many actions it took.
int Soak::Play(SoakedProgram& program, double deadline, RunFigures& figures,
               std::vector<std::string>& seenLines)
{
    int events = 0;
    double nextSample = NowMs();
    double mainLastShown = NowMs();
    std::string shownTitles;
    while (program.Running() && NowMs() < deadline) {
        windows_.Locate(options_.titlePrefix);
        const std::vector<ShownWindow> shown = windows_.Viewable();
        const bool mainShown = !shown.empty() && shown.front().id == windows_.Main();
        if (NowMs() >= nextSample) {
            Sample(program, figures, mainShown && shown.size() == 1);
            CheckLog(seenLines);
            nextSample += kSampleEveryMs;
        }
        if (!mainShown) {
            const double hiddenMs = NowMs() - mainLastShown;
            if (hiddenMs > kHiddenMainLimitMs) {
                Finding("the main window is not shown while the program runs");
                break;
            }
            if (hiddenMs > kRestoreAfterMs && windows_.Located()) {
                Note("bring back the main window");
                monkey_.Activate(windows_.Main());
            }
            SleepMs(50);
            continue;
        }
        mainLastShown = NowMs();
        NoteChange(shown, shownTitles);
        Note(monkey_.Act(shown));
        ++events;
    }
    return events;
}

// The trace tells which windows were shown whenever that changes.
void Soak::NoteChange(const std::vector<ShownWindow>& shown, std::string& titles)
{
    std::string now;
    for (size_t i = 1; i < shown.size(); ++i) {
        now += " '" + shown[i].title + "'";
    }
    if (now != titles) {
        titles = now;
        Note("dialogs shown:" + (now.empty() ? std::string(" none") : now));
    }
}

bool Soak::WaitForMainWindow(SoakedProgram& program)
{
    const double end = NowMs() + kStartTimeoutMs;
    while (program.Running() && NowMs() < end) {
        if (windows_.Locate(options_.titlePrefix) && !windows_.Viewable().empty()) {
            // Let the first paint come before the first click.
            SleepMs(500);
            return true;
        }
        SleepMs(50);
    }
    return false;
}

void Soak::Sample(SoakedProgram& program, RunFigures& figures, bool onlyMainShown)
{
    const long resident = program.ResidentKilobytes();
    if (resident > 0) {
        if (figures.firstResidentKb == 0) {
            figures.firstResidentKb = resident;
        }
        figures.lastResidentKb = resident;
        figures.peakResidentKb = std::max(figures.peakResidentKb, resident);
    }
    const int zombies = program.ZombieChildren();
    if (zombies > kZombiesAllowed && figures.mostZombies <= kZombiesAllowed) {
        Finding(std::to_string(zombies) + " ended children of the program were not collected");
    }
    figures.mostZombies = std::max(figures.mostZombies, zombies);
    const int count = windows_.Count();
    figures.mostWindows = std::max(figures.mostWindows, count);
    figures.mostShown = std::max(figures.mostShown, static_cast<int>(windows_.Viewable().size()));
    if (onlyMainShown) {
        if (figures.firstWindows < 0) {
            figures.firstWindows = count;
        }
        figures.lastWindows = count;
    }
}

// Every line in log.txt is a finding: with its Data folder in place and on a 24-bit screen the
// program has nothing to complain about.
void Soak::CheckLog(std::vector<std::string>& seenLines)
{
    const std::vector<std::string> lines = Lines(ReadText(kLogFile));
    for (size_t i = seenLines.size(); i < lines.size(); ++i) {
        Finding("log.txt: " + lines[i]);
        seenLines.push_back(lines[i]);
    }
}

// Closes the dialogs, asks the main window to close and answers YES to the game's question.
bool Soak::EndOrderly(SoakedProgram& program)
{
    Note("end: closing the dialogs");
    for (int attempt = 0; attempt < 20 && program.Running(); ++attempt) {
        const std::vector<ShownWindow> shown = windows_.Viewable();
        if (shown.size() <= 1) {
            break;
        }
        for (size_t i = 1; i < shown.size(); ++i) {
            monkey_.RequestClose(shown[i].id, false);
        }
        SleepMs(200);
    }
    Note("end: close request to the main window");
    monkey_.RequestClose(windows_.Main(), true);
    const double end = NowMs() + 10000;
    while (program.Running() && NowMs() < end) {
        for (const ShownWindow& window : windows_.Viewable()) {
            if (window.title == kExitTitle) {
                Note("end: YES");
                monkey_.Click(window.id, window.width - kYesFromRight,
                              window.height - kYesFromBottom);
            }
        }
        SleepMs(200);
    }
    return program.WaitForEnd(kEndTimeoutMs);
}

void Soak::Judge(SoakedProgram& program, std::vector<std::string>& seenLines)
{
    CheckLog(seenLines);
    const std::string errors = ReadText(kErrorFile);
    if (!errors.empty()) {
        Finding("standard error:\n" + FirstLines(errors, kMostErrorLines));
    }
    if (!program.EndedNormally()) {
        Finding("the program ended with " + program.EndDescription());
    }
}

// Reported at once, and the run's input so far, its output and its log are kept beside.
void Soak::Finding(const std::string& what)
{
    char when[32];
    std::snprintf(when, sizeof when, "%.1f", (NowMs() - runStartMs_) / 1000.0);
    const std::string prefix = options_.outputFolder + "/run-" + std::to_string(run_);
    const std::string line = "FINDING seed " + std::to_string(options_.seed) + " run " +
                             std::to_string(run_) + " at " + when + " s: " + what;
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    findings_.push_back(line);
    WriteTrace();
    WriteText(prefix + "-stderr.txt", ReadText(kErrorFile));
    WriteText(prefix + "-stdout.txt", ReadText(kOutputFile));
}

void Soak::WriteTrace()
{
    std::string events;
    for (const std::string& event : trace_) {
        events += event + "\n";
    }
    WriteText(options_.outputFolder + "/run-" + std::to_string(run_) + "-events.txt", events);
}

void Soak::Summarise(const RunFigures& figures)
{
    char line[512];
    std::snprintf(line, sizeof line,
                  "run %d: %.0f s, %d actions, %s; VmRSS %ld -> %ld kB (peak %ld); "
                  "X windows %d -> %d with only the main window shown (at most %d, %d shown); "
                  "uncollected children at most %d",
                  run_, figures.seconds, figures.events, figures.end.c_str(),
                  figures.firstResidentKb, figures.lastResidentKb, figures.peakResidentKb,
                  figures.firstWindows, figures.lastWindows, figures.mostWindows,
                  figures.mostShown, figures.mostZombies);
    std::printf("%s\n", line);
    std::fflush(stdout);
    summary_.push_back(line);
}

void Soak::WriteSummary()
{
    const std::string totals = "seed " + std::to_string(options_.seed) + ", " +
                               std::to_string(options_.seconds) + " s, " +
                               std::to_string(run_) + " runs, " + std::to_string(totalEvents_) +
                               " actions, " + std::to_string(findings_.size()) + " findings\n";
    std::string text = totals;
    for (const std::vector<std::string>* lines : {&summary_, &findings_}) {
        for (const std::string& line : *lines) {
            text += line + "\n";
        }
    }
    WriteText(options_.outputFolder + "/summary.txt", text);
    std::printf("%s", totals.c_str());
}

}  // namespace soak
