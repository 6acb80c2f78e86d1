#include "support/OwnerForm.h"

#include "support/WaitFor.h"

namespace testsupport {

bool WaitViewable(Display* display, Window window)
{
    return WaitFor([display, window] {
        XWindowAttributes attributes{};
        return window != None && XGetWindowAttributes(display, window, &attributes) &&
               attributes.map_state == IsViewable;
    });
}

int CountTopLevelWindows(Display* display)
{
    Window root;
    Window parent;
    Window* children = nullptr;
    unsigned int count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    XFree(children);
    return static_cast<int>(count);
}

}  // namespace testsupport
