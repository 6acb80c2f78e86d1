#pragma once

#include <X11/Xlib.h>

namespace testsupport {

// Whether the window is mapped and viewable, waiting a bounded time for it.
bool WaitViewable(Display* display, Window window);
// How many top-level windows the server has (children of the root window).
int CountTopLevelWindows(Display* display);

}  // namespace testsupport
