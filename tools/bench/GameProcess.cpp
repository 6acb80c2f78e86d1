#include "GameProcess.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace benchmark {

namespace {

const char* const kTitlePrefix = "Tarnbrook - ";
// The ticker's label is the main window's last child: below the blue top bar (rows 0..19) its
// pixels turn blue only when it has been painted, which ends the window's first paint.
constexpr int kLastPaintedX = 400;
constexpr int kLastPaintedY = 25;
constexpr unsigned long kTickerBlue = 0x0000FF;

// The game's window may vanish or not be viewable yet while it is being looked at.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

Window FindByTitle(Display* display, Window parent)
{
    Window root;
    Window ignored;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &ignored, &children, &count)) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::string(name).rfind(kTitlePrefix, 0) == 0) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

void SleepMicroseconds(long microseconds)
{
    timespec pause{0, microseconds * 1000};
    nanosleep(&pause, nullptr);
}

}  // namespace

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

Display* OpenDisplayPatiently()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) {
            return display;
        }
        SleepMicroseconds(20000);
    }
    return nullptr;
}

GameProcess::GameProcess(const std::string& binary) : display_(OpenDisplayPatiently())
{
    if (!display_) {
        return;
    }
    XSetErrorHandler(IgnoreXError);
    startMs_ = NowMs();
    pid_ = fork();
    if (pid_ == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

GameProcess::~GameProcess()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (display_) {
        // The server takes the window away a moment after the game has gone; the next run
        // must not find it.
        const double end = NowMs() + 3000;
        while (FindByTitle(display_, DefaultRootWindow(display_)) && NowMs() < end) {
            SleepMicroseconds(1000);
        }
        XCloseDisplay(display_);
    }
}

bool GameProcess::FindWindow()
{
    if (!window_) {
        window_ = FindByTitle(display_, DefaultRootWindow(display_));
    }
    return window_ != 0;
}

bool GameProcess::CompletelyPainted()
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window_, &attributes)) {
        window_ = 0;  // gone: look again
        return false;
    }
    if (attributes.map_state != IsViewable) {
        return false;
    }
    XImage* image =
        XGetImage(display_, window_, kLastPaintedX, kLastPaintedY, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    const bool painted = (XGetPixel(image, 0, 0) & 0xFFFFFF) == kTickerBlue;
    XDestroyImage(image);
    return painted;
}

double GameProcess::WaitForFirstPaint(int timeoutMs)
{
    if (!Started()) {
        return -1;
    }
    while (NowMs() - startMs_ < timeoutMs) {
        if (FindWindow() && CompletelyPainted()) {
            return NowMs() - startMs_;
        }
        SleepMicroseconds(250);
    }
    return -1;
}

long GameProcess::PeakResidentBytes() const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            long kilobytes = 0;
            fields >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

Usage UsageOf(pid_t pid)
{
    const std::string folder = "/proc/" + std::to_string(pid);
    Usage usage;
    std::ifstream stat(folder + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int index = 3; fields >> field && index <= 15; ++index) {
        if (index == 14 || index == 15) {  // utime, stime
            usage.cpuTicks += std::stol(field);
        }
    }
    std::ifstream schedstat(folder + "/schedstat");
    long long nanoseconds = 0;
    usage.cpuSeconds = schedstat >> nanoseconds
                           ? static_cast<double>(nanoseconds) / 1e9
                           : static_cast<double>(usage.cpuTicks) / sysconf(_SC_CLK_TCK);
    std::ifstream status(folder + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
            usage.wakeUps = std::stol(line.substr(line.find(':') + 1));
        }
    }
    return usage;
}

}  // namespace benchmark
