#include "Soak.h"

#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/ChildProcesses.h"
#include "support/WaitFor.h"

namespace soak {

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kEndTimeoutMs = 60000;   // leak checking at the end is slow under the sanitizers
constexpr size_t kZombiesAllowed = 1;  // a sound may end just before the count, uncollected yet

// Where a player of the game clicks most, in hundredths of the clicks on its main window: the
// field and START / CANCEL, INFO and EXIT. The rest land anywhere on the window.
const struct {
    int x, y, width, height, weight;
} kGameAreas[] = {{232, 144, 270, 351, 55},
                  {527, 140, 100, 28, 10},
                  {527, 170, 100, 28, 3},
                  {527, 200, 100, 28, 2}};
const KeySym kKeys[] = {XK_Return, XK_Escape, XK_Tab,   XK_BackSpace, XK_Delete, XK_Left, XK_Right,
                        XK_Up,     XK_Down,   XK_space, XK_Home,      XK_End,    XK_0,    XK_7};

double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void SleepMs(int milliseconds)
{
    usleep(static_cast<useconds_t>(milliseconds) * 1000);
}

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string TitleOf(Display* display, Window window)
{
    char* name = nullptr;
    const std::string title = XFetchName(display, window, &name) && name ? name : "";
    XFree(name);
    return title;
}

// Every window under parent, depth first.
void Collect(Display* display, Window parent, std::vector<Window>& found)
{
    Window root = 0, above = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &above, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            found.push_back(children[i]);
            Collect(display, children[i], found);
        }
        XFree(children);
    }
}

// "exit status 3" or "signal 11 (Segmentation fault)".
std::string EndDescription(int status)
{
    const int signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return signal ? "signal " + std::to_string(signal) + " (" + strsignal(signal) + ")"
                  : "exit status " + std::to_string(WEXITSTATUS(status));
}

}  // namespace

// Xlib keeps the mask of the resource-id bits a server gives each client in the public part of
// its connection record; the bits above it name the client.
Soak::Soak(const std::string& program, const std::string& outputFolder, unsigned seed)
    : display_(input_.GetDisplay()),
      clientMask_(display_ ? reinterpret_cast<_XPrivDisplay>(display_)->private4 : 0),
      program_(program),
      summary_(outputFolder + "/summary.txt"),
      seed_(seed),
      random_(seed)
{}

int Soak::Run(int seconds)
{
    for (const double deadline = NowMs() + seconds * 1000.0; NowMs() < deadline;) {
        RunOnce(deadline);
    }
    Report("seed " + std::to_string(seed_) + ", " + std::to_string(seconds) + " s, " +
           std::to_string(run_) + " runs, " + std::to_string(actions_) + " actions, " +
           std::to_string(findings_) + " findings");
    return findings_;
}

// With its Data folder in place and on a 24-bit screen the program has nothing to log.
void Soak::RunOnce(double deadline)
{
    ++run_;
    main_ = 0;
    figures_ = {};
    runStartMs_ = NowMs();
    const int error = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(error, STDERR_FILENO);
        execl(program_.c_str(), program_.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(error);

    std::string end = ", ended during the input";
    if (Play(deadline) && Running()) {
        end = ", asked to end";
        Sample();
        if (!EndOrderly()) {
            Finding("the program did not end when asked to");
        }
    }
    for (int signal : {SIGTERM, SIGKILL}) {
        if (Running()) {
            kill(pid_, signal);
            WaitForEnd(5000);
        }
    }
    std::istringstream log(ReadText("log.txt"));
    for (std::string line; std::getline(log, line);) {
        Finding("log.txt: " + line);
    }
    if (const std::string errors = ReadText("stderr.txt"); !errors.empty()) {
        Finding("standard error:\n" + errors);  // sanitizer reports
    }
    if (!WIFEXITED(status_) || WEXITSTATUS(status_) != 0) {
        Finding("the program ended with " + EndDescription(status_));
    }
    actions_ += figures_.actions;
    char line[512];
    std::snprintf(line, sizeof line,
                  "run %d: %.0f s, %d actions, %s%s; VmRSS %ld -> %ld kB (peak %ld); "
                  "X windows %d -> %d with only the main window shown (at most %d); "
                  "uncollected children at most %zu",
                  run_, (NowMs() - runStartMs_) / 1000.0, figures_.actions,
                  EndDescription(status_).c_str(), end.c_str(), figures_.firstKb, figures_.lastKb,
                  figures_.peakKb, figures_.firstWindows, figures_.lastWindows,
                  figures_.mostWindows, figures_.mostZombies);
    Report(line);
}

// Random input until the deadline or the program's end, with figures every second; false when
// no main window came.
bool Soak::Play(double deadline)
{
    const double shownBy = NowMs() + kStartTimeoutMs;
    for (double nextSample = NowMs(); Running() && NowMs() < deadline;) {
        const std::vector<Shown> shown = Windows(true);
        if (!shown.empty() && shown.front().id == main_) {
            if (NowMs() >= nextSample) {
                Sample();
                nextSample = NowMs() + 1000;
            }
            Act(shown);
            ++figures_.actions;
        } else if (figures_.actions == 0 && NowMs() > shownBy) {
            Finding("no main window within " + std::to_string(kStartTimeoutMs / 1000) + " s");
            return false;
        } else {
            SleepMs(50);
        }
    }
    return true;
}

// Closes the dialogs, asks the main window to close and answers YES to the game's question,
// whose button lies 65 pixels left of the right edge and 26 above the bottom.
bool Soak::EndOrderly()
{
    bool asked = false;
    for (const double end = NowMs() + 10000; Running() && NowMs() < end; SleepMs(200)) {
        const std::vector<Shown> shown = Windows(true);
        for (const Shown& window : shown) {
            if (window.title == "Exit") {
                input_.Click(window.id, window.width - 65, window.height - 26);
            } else if (window.id != main_) {
                input_.SendDeleteWindow(window.id);
            }
        }
        if (shown.size() == 1 && !asked) {
            input_.SendDeleteWindow(main_);
            asked = true;
        }
    }
    return WaitForEnd(kEndTimeoutMs);
}

void Soak::Sample()
{
    Figures& f = figures_;
    long pages = 0, resident = 0;
    std::ifstream("/proc/" + std::to_string(pid_) + "/statm") >> pages >> resident;
    resident *= sysconf(_SC_PAGESIZE) / 1024;
    if (resident) {
        f.firstKb = f.firstKb ? f.firstKb : resident;
        f.lastKb = resident;
        f.peakKb = std::max(f.peakKb, resident);
    }
    const size_t zombies = testsupport::ChildProcesses('Z', pid_).size();
    if (zombies > kZombiesAllowed && f.mostZombies <= kZombiesAllowed) {
        Finding(std::to_string(zombies) + " ended children of the program were not collected");
    }
    f.mostZombies = std::max(f.mostZombies, zombies);
    const int count = static_cast<int>(Windows(false).size());
    f.mostWindows = std::max(f.mostWindows, count);
    if (Windows(true).size() == 1) {
        f.firstWindows = f.firstWindows < 0 ? count : f.firstWindows;
        f.lastWindows = count;
    }
}

// The program's windows (viewable ones only, if so asked), the main window first. The client
// part of their resource ids tells them from the window manager's frames and the soak's own.
std::vector<Soak::Shown> Soak::Windows(bool viewableOnly)
{
    std::vector<Window> all;
    Collect(display_, DefaultRootWindow(display_), all);
    XWindowAttributes attributes;
    if (!main_ || !XGetWindowAttributes(display_, main_, &attributes)) {
        const auto main = std::find_if(all.begin(), all.end(), [&](Window window) {
            return TitleOf(display_, window).rfind("Tarnbrook", 0) == 0;  // game and gallery
        });
        main_ = main == all.end() ? 0 : *main;
    }
    std::vector<Shown> found;
    for (Window window : all) {
        if (main_ && (window & ~clientMask_) == (main_ & ~clientMask_) &&
            XGetWindowAttributes(display_, window, &attributes) &&
            (!viewableOnly || attributes.map_state == IsViewable)) {
            const Shown entry{window, TitleOf(display_, window), attributes.width,
                              attributes.height};
            found.insert(window == main_ ? found.begin() : found.end(), entry);
        }
    }
    return found;
}

// One random action; most input goes to a dialog when one is open. The game's exit question is
// closed at once, which answers NO, so that a run goes on until the soak ends it.
void Soak::Act(const std::vector<Shown>& windows)
{
    const auto question = std::find_if(windows.begin(), windows.end(),
                                       [](const Shown& window) { return window.title == "Exit"; });
    const Shown& target =
        question != windows.end() ? *question
        : windows.size() > 1 && Between(1, 4) > 1
            ? windows[static_cast<size_t>(Between(1, static_cast<int>(windows.size()) - 1))]
            : windows.front();
    const int roll = question != windows.end() ? 100 : Between(1, 100);
    if (roll > 95) {
        input_.SendDeleteWindow(target.id);
    } else if (roll > 70) {  // letters as a name is typed, and keys that move, edit or confirm
        input_.TypeKey(Between(1, 2) == 1
                           ? XK_a + static_cast<KeySym>(Between(0, 25))
                           : kKeys[Between(0, static_cast<int>(std::size(kKeys)) - 1)]);
    } else {
        int x = Between(0, target.width - 1), y = Between(0, target.height - 1);
        int area = target.title.rfind("Tarnbrook - ", 0) == 0 ? Between(1, 100) : 100;
        for (const auto& place : kGameAreas) {
            if ((area -= place.weight) <= 0) {
                x = place.x + Between(0, place.width - 1);
                y = place.y + Between(0, place.height - 1);
                break;
            }
        }
        const unsigned button = Between(1, 10) <= 8 ? Button1 : Button3;
        input_.MoveTo(target.id, x, y);
        input_.PressButton(button);
        SleepMs(Between(10, 40));  // held a moment, as a hand does
        input_.ReleaseButton(button);
    }
    SleepMs(Between(30, 130));
}

int Soak::Between(int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(random_);
}

bool Soak::Running()
{
    if (pid_ > 0 && waitpid(pid_, &status_, WNOHANG) == pid_) {
        pid_ = -1;
    }
    return pid_ > 0;
}

bool Soak::WaitForEnd(int timeoutMs)
{
    return testsupport::WaitFor([this] { return !Running(); }, timeoutMs);
}

// On standard output and in the summary file at once.
void Soak::Finding(const std::string& what)
{
    char line[128];
    std::snprintf(line, sizeof line, "FINDING seed %u run %d at %.1f s: ", seed_, run_,
                  (NowMs() - runStartMs_) / 1000.0);
    ++findings_;
    Report(line + what);
}

void Soak::Report(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    std::ofstream(summary_, std::ios::app) << line << "\n";
}

}  // namespace soak
