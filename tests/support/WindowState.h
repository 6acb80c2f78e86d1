#pragma once

#include <X11/Xlib.h>

#include <string>
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

// An 8-bit property as its bytes, a 32-bit one as its items ("1 2 3"), cut to the length.
inline std::string Property(Display* display, Window window, const char* name,
                            size_t length = std::string::npos)
{
    Atom type;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False,
                       AnyPropertyType, &type, &format, &count, &after, &data);
    std::string text = format == 8 ? std::string(reinterpret_cast<char*>(data), count) : "";
    for (unsigned long i = 0; format == 32 && i < count; ++i) {
        text += (i ? " " : "") + std::to_string(reinterpret_cast<unsigned long*>(data)[i]);
    }
    XFree(data);
    return text.substr(0, length);
}

// The window seen at point (x, y) of the given one: the deepest one there, whatever covers it.
inline Window WindowSeenAt(Display* display, Window window, int x, int y)
{
    Window from = window, into = DefaultRootWindow(display), child = None;
    while (XTranslateCoordinates(display, from, into, x, y, &x, &y, &child) && child != None) {
        from = into;
        into = child;
    }
    return into;
}

// Waits until a window manager runs and has handled every request sent before: it takes them in
// turn, and answers one for the frame extents of a window by setting them on it.
inline bool WindowManagerCaughtUp(Display* display)
{
    const Window root = DefaultRootWindow(display);
    const Window probe = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom extents = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    XEvent request{};
    request.xclient = {ClientMessage, 0, False, display, probe, extents, 32, {}};
    const bool answered = WaitFor([&] {
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &request);
        return !Property(display, probe, "_NET_FRAME_EXTENTS").empty();
    });
    XDestroyWindow(display, probe);
    return answered;
}

}  // namespace testsupport
