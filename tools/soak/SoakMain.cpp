// The random-input soak: runs a program of the project (the game or the gallery) under a window
// manager for a number of seconds and reports crashes, sanitizer reports, log lines, leaked
// children and the growth of memory and X windows. Run it through scripts/soak.sh, which
// prepares the X server, the window manager, the Data folder and the fake external commands.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Soak.h"
#include "SoakedProgram.h"

namespace {

// Windows of the program come and go while the soak looks at them.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// A window manager announces itself before it serves map requests: a probe window mapped
// (again, if need be) until it is framed shows that it serves.
bool WindowManagerServes(Display* display)
{
    const Window root = DefaultRootWindow(display);
    const Window probe = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
    Window parent = root;
    for (int attempt = 0; attempt < 100 && parent == root; ++attempt) {
        XUnmapWindow(display, probe);
        XMapWindow(display, probe);
        XSync(display, False);
        soak::SleepMs(100);
        Window top = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, probe, &top, &parent, &children, &count);
        XFree(children);
    }
    XDestroyWindow(display, probe);
    XSync(display, False);
    return parent != root;
}

bool ParseOptions(int argc, char** argv, soak::SoakOptions& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--binary") {
            options.binary = value;
        } else if (name == "--output") {
            options.outputFolder = value;
        } else if (name == "--title") {
            options.titlePrefix = value;
        } else if (name == "--seconds") {
            options.seconds = std::atoi(value);
        } else if (name == "--seed") {
            options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !options.binary.empty() && !options.outputFolder.empty() &&
           options.seconds > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    soak::SoakOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s --binary PROGRAM --output FOLDER [--seconds N] [--seed N] "
                     "[--title MAIN_TITLE_PREFIX]\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    int findings = 0;
    if (WindowManagerServes(display)) {
        findings = soak::Soak(options, display).Run();
    } else {
        std::fprintf(stderr, "no window manager frames windows on this display\n");
        findings = -1;
    }
    XCloseDisplay(display);
    return findings == 0 ? 0 : findings < 0 ? 2 : 1;
}
