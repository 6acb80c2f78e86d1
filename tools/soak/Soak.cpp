#include "Soak.h"

#include <X11/Xutil.h>

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
// The game's and the gallery's main windows both have titles beginning so.
const char* const kMainTitlePrefix = "Tarnbrook";
// The game asks before it ends; its question's YES button lies 65 pixels left of the right edge
// and 26 above the bottom, at the button's middle.
const char* const kExitTitle = "Exit";
constexpr int kYesFromRight = 65;
constexpr int kYesFromBottom = 26;

constexpr int kStartTimeoutMs = 30000;
constexpr int kSampleEveryMs = 1000;
// Leak checking at the program's end takes a while under the sanitizers.
constexpr int kEndTimeoutMs = 60000;
constexpr size_t kMostErrorBytes = 4000;
// The main window collects finished sound children on its next tick.
constexpr int kZombiesAllowed = 1;

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string TitleOf(Display* display, Window window)
{
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Every window under parent, depth first.
void Collect(Display* display, Window parent, std::vector<Window>& found)
{
    Window root = 0;
    Window above = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &above, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            found.push_back(children[i]);
            Collect(display, children[i], found);
        }
        XFree(children);
    }
}

}  // namespace

// Xlib keeps the mask of the resource-id bits a server gives each client to number its resources
// in the public part of its connection record; the bits above it name the client.
Soak::Soak(const SoakOptions& options, Display* display)
    : options_(options),
      display_(display),
      monkey_(display, options.seed),
      clientMask_(reinterpret_cast<_XPrivDisplay>(display)->private4)
{}

int Soak::Run()
{
    const double deadline = NowMs() + options_.seconds * 1000.0;
    while (NowMs() < deadline) {
        RunOnce(deadline);
    }
    const std::string totals = "seed " + std::to_string(options_.seed) + ", " +
                               std::to_string(options_.seconds) + " s, " + std::to_string(run_) +
                               " runs, " + std::to_string(totalActions_) + " actions, " +
                               std::to_string(findings_.size()) + " findings\n";
    std::string text = totals + summary_;
    for (const std::string& line : findings_) {
        text += line + "\n";
    }
    WriteText(options_.outputFolder + "/summary.txt", text);
    std::printf("%s", totals.c_str());
    return static_cast<int>(findings_.size());
}

void Soak::RunOnce(double deadline)
{
    ++run_;
    main_ = 0;
    logLinesSeen_ = 0;
    trace_.clear();
    runStartMs_ = NowMs();
    RunFigures figures;
    SoakedProgram program(options_.binary, kOutputFile, kErrorFile);
    Note("start, process " + std::to_string(program.Pid()));
    std::string end = ", ended during the input";
    const double startLimit = NowMs() + kStartTimeoutMs;
    while (program.Running() && NowMs() < startLimit && Windows(true).empty()) {
        SleepMs(50);
    }
    if (program.Running() && Windows(true).empty()) {
        Finding("no main window within " + std::to_string(kStartTimeoutMs / 1000) + " s");
        program.Stop();
    } else if (program.Running()) {
        SleepMs(500);  // the first paint comes before the first click
        Play(program, deadline, figures);
        if (program.Running()) {
            end = ", asked to end";
            Sample(program, figures);
            if (!EndOrderly(program)) {
                Finding("the program did not end when asked to");
                program.Stop();
            }
        }
    }
    Judge(program);
    totalActions_ += figures.actions;
    WriteText(options_.outputFolder + "/run-" + std::to_string(run_) + "-events.txt", trace_);
    Summarise(figures, program.EndDescription() + end);
}

// Random input until the deadline or the program's end.
void Soak::Play(SoakedProgram& program, double deadline, RunFigures& figures)
{
    for (double nextSample = NowMs(); program.Running() && NowMs() < deadline;) {
        if (NowMs() >= nextSample) {
            Sample(program, figures);
            CheckLog();
            nextSample += kSampleEveryMs;
        }
        const std::vector<ShownWindow> shown = Windows(true);
        if (!shown.empty() && shown.front().id == main_) {
            Note(monkey_.Act(shown));
            ++figures.actions;
        } else {
            SleepMs(50);
        }
    }
}

// Closes the dialogs, asks the main window to close and answers YES to the game's question.
bool Soak::EndOrderly(SoakedProgram& program)
{
    Note("end");
    bool asked = false;
    for (const double end = NowMs() + 10000; program.Running() && NowMs() < end; SleepMs(200)) {
        const std::vector<ShownWindow> shown = Windows(true);
        for (const ShownWindow& window : shown) {
            if (window.title == kExitTitle) {
                monkey_.Click(window.id, window.width - kYesFromRight,
                              window.height - kYesFromBottom);
            } else if (window.id != main_) {
                monkey_.RequestClose(window.id, false);
            }
        }
        if (shown.size() == 1 && !asked) {
            monkey_.RequestClose(main_, true);
            asked = true;
        }
    }
    return program.WaitForEnd(kEndTimeoutMs);
}

void Soak::Sample(SoakedProgram& program, RunFigures& figures)
{
    if (const long resident = program.ResidentKilobytes()) {
        figures.firstResidentKb = figures.firstResidentKb ? figures.firstResidentKb : resident;
        figures.lastResidentKb = resident;
        figures.peakResidentKb = std::max(figures.peakResidentKb, resident);
    }
    const int zombies = program.ZombieChildren();
    if (zombies > kZombiesAllowed && figures.mostZombies <= kZombiesAllowed) {
        Finding(std::to_string(zombies) + " ended children of the program were not collected");
    }
    figures.mostZombies = std::max(figures.mostZombies, zombies);
    const int count = static_cast<int>(Windows(false).size());
    figures.mostWindows = std::max(figures.mostWindows, count);
    if (Windows(true).size() == 1) {
        figures.firstWindows = figures.firstWindows < 0 ? count : figures.firstWindows;
        figures.lastWindows = count;
    }
}

// Every line in log.txt is a finding: with its Data folder in place and on a 24-bit screen the
// program has nothing to complain about.
void Soak::CheckLog()
{
    std::istringstream log(ReadText("log.txt"));
    size_t number = 0;
    for (std::string line; std::getline(log, line);) {
        if (++number > logLinesSeen_) {
            Finding("log.txt: " + line);
            logLinesSeen_ = number;
        }
    }
}

void Soak::Judge(SoakedProgram& program)
{
    CheckLog();
    const std::string errors = ReadText(kErrorFile);
    if (!errors.empty()) {
        Finding("standard error:\n" + errors.substr(0, kMostErrorBytes));
    }
    if (!program.EndedNormally()) {
        Finding("the program ended with " + program.EndDescription());
    }
}

// The program's windows (viewable ones only, if so asked), the main window first. They are told
// apart from the window manager's frames and the soak's own by the client part of their
// resource ids; the program makes X windows for its forms only.
std::vector<ShownWindow> Soak::Windows(bool viewableOnly)
{
    std::vector<Window> all;
    Collect(display_, DefaultRootWindow(display_), all);
    XWindowAttributes attributes;
    if (!main_ || !XGetWindowAttributes(display_, main_, &attributes)) {
        const auto main = std::find_if(all.begin(), all.end(), [&](Window window) {
            return TitleOf(display_, window).rfind(kMainTitlePrefix, 0) == 0;
        });
        main_ = main == all.end() ? 0 : *main;
    }
    std::vector<ShownWindow> found;
    for (Window window : all) {
        if (main_ && (window & ~clientMask_) == (main_ & ~clientMask_) &&
            XGetWindowAttributes(display_, window, &attributes) &&
            (!viewableOnly || attributes.map_state == IsViewable)) {
            const ShownWindow entry{window, TitleOf(display_, window), attributes.width,
                                    attributes.height};
            found.insert(window == main_ ? found.begin() : found.end(), entry);
        }
    }
    return found;
}

void Soak::Note(const std::string& what)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%9.3f ", (NowMs() - runStartMs_) / 1000.0);
    trace_ += stamp + what + "\n";
}

// Reported at once; the run's input so far, its output and its standard error are kept beside.
void Soak::Finding(const std::string& what)
{
    char line[128];
    std::snprintf(line, sizeof line, "FINDING seed %u run %d at %.1f s: ", options_.seed, run_,
                  (NowMs() - runStartMs_) / 1000.0);
    findings_.push_back(line + what);
    std::printf("%s\n", findings_.back().c_str());
    std::fflush(stdout);
    const std::string prefix = options_.outputFolder + "/run-" + std::to_string(run_);
    WriteText(prefix + "-events.txt", trace_);
    WriteText(prefix + "-stderr.txt", ReadText(kErrorFile));
    WriteText(prefix + "-stdout.txt", ReadText(kOutputFile));
}

void Soak::Summarise(const RunFigures& figures, const std::string& end)
{
    char line[512];
    std::snprintf(line, sizeof line,
                  "run %d: %.0f s, %d actions, %s; VmRSS %ld -> %ld kB (peak %ld); "
                  "X windows %d -> %d with only the main window shown (at most %d); "
                  "uncollected children at most %d\n",
                  run_, (NowMs() - runStartMs_) / 1000.0, figures.actions, end.c_str(),
                  figures.firstResidentKb, figures.lastResidentKb, figures.peakResidentKb,
                  figures.firstWindows, figures.lastWindows, figures.mostWindows,
                  figures.mostZombies);
    std::printf("%s", line);
    std::fflush(stdout);
    summary_ += line;
}

}  // namespace soak
