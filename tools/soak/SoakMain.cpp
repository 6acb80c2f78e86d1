// The random-input soak of the game or the gallery under a window manager; run through
// scripts/soak.sh, which prepares the X server, the window manager, Data and fake commands.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "Soak.h"

namespace {

// A window manager owns the selection WM_S0; one started a moment ago may need a while.
bool WindowManagerServes(Display* display)
{
    const Atom selection = XInternAtom(display, "WM_S0", False);
    for (int attempt = 0; attempt < 100 && !XGetSelectionOwner(display, selection); ++attempt) {
        usleep(100000);
    }
    return XGetSelectionOwner(display, selection) != None;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5 || std::atoi(argv[3]) <= 0) {
        std::fprintf(stderr, "usage: %s PROGRAM OUTPUT_FOLDER SECONDS SEED\n", argv[0]);
        return 2;
    }
    soak::Soak soak(argv[1], argv[2], static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)));
    if (!soak.GetDisplay()) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Windows of the program come and go while the soak looks at them.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    if (!WindowManagerServes(soak.GetDisplay())) {
        std::fprintf(stderr, "no window manager on this display\n");
        return 2;
    }
    return soak.Run(std::atoi(argv[3])) == 0 ? 0 : 1;
}
