// The random-input soak of the game or the gallery under a window manager; run through
// scripts/soak.sh, which prepares the X server, the window manager, Data and fake commands.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

#include "Soak.h"

namespace {

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
        Window top = 0, *children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, probe, &top, &parent, &children, &count);
        XFree(children);
    }
    XDestroyWindow(display, probe);
    XSync(display, False);
    return parent != root;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5 || std::atoi(argv[3]) <= 0) {
        std::fprintf(stderr, "usage: %s PROGRAM OUTPUT_FOLDER SECONDS SEED\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Windows of the program come and go while the soak looks at them.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    int status = 2;
    if (WindowManagerServes(display)) {
        soak::Soak soak(display, argv[1], argv[2],
                        static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)));
        status = soak.Run(std::atoi(argv[3])) == 0 ? 0 : 1;
    } else {
        std::fprintf(stderr, "no window manager frames windows on this display\n");
    }
    XCloseDisplay(display);
    return status;
}
