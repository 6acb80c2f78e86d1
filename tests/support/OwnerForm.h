#pragma once

#include <X11/Xlib.h>

#include "support/WaitFor.h"

namespace testsupport {

// Whether the window is mapped and viewable, waiting a bounded time for it.
inline bool WaitViewable(Display* display, Window window)
{
    return WaitFor([display, window] {
        XWindowAttributes attributes{};
        return window != None && XGetWindowAttributes(display, window, &attributes) &&
               attributes.map_state == IsViewable;
    });
}

// How many top-level windows the server has (children of the root window).
inline int CountTopLevelWindows(Display* display)
{
    Window root, parent;
    Window* children = nullptr;
    unsigned int count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    XFree(children);
    return static_cast<int>(count);
}

}  // namespace testsupport
