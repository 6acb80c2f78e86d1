#pragma once

#include <X11/Xlib.h>

namespace tarnbrook {

// Xlib's hook for work to do while a display closes. Its declaration lives in Xlib's internal
// header, whose min and max macros break the standard library; only CloseHook.cpp meets them.
class CloseHook {
public:
    using Callback = int (*)(Display* display, XExtCodes* codes);

    // Registers callback to run while display closes; false when Xlib has no room for it.
    static bool Install(Display* display, Callback callback);
};

}  // namespace tarnbrook
