#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "support/WaitFor.h"

namespace testsupport {

// Whether the window is mapped and viewable, now or (WaitViewable) within a bounded time.
inline bool Viewable(Display* display, Window window)
{
    XWindowAttributes attributes{};
    return window != None && XGetWindowAttributes(display, window, &attributes) &&
           attributes.map_state == IsViewable;
}
inline bool WaitViewable(Display* display, Window window)
{
    return WaitFor([display, window] { return Viewable(display, window); });
}

// The top-level windows (children of the root window), bottom first in stacking order.
inline std::vector<Window> TopLevelWindows(Display* display)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> list;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        list.assign(children, children + count);
    }
    XFree(children);
    return list;
}
inline int CountTopLevelWindows(Display* display)
{
    return static_cast<int>(TopLevelWindows(display).size());
}

}  // namespace testsupport
