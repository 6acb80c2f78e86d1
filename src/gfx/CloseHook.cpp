#include "gfx/CloseHook.h"

// Last, so that no header of ours or of the standard library meets its macros.
#include <X11/Xlibint.h>

namespace tarnbrook {

bool CloseHook::Install(Display* display, Callback callback)
{
    XExtCodes* codes = XAddExtension(display);
    if (!codes) {
        return false;
    }
    XESetCloseDisplay(display, codes->extension, callback);
    return true;
}

}  // namespace tarnbrook
