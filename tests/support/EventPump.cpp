#include "support/EventPump.h"

#include <X11/Xlib.h>

#include "app/EventDispatch.h"
#include "gfx/Screen.h"
#include "ui/Form.h"

namespace testsupport {

void DispatchPending(tarnbrook::Form* mainForm)
{
    Display* display = mainForm->GetScreen()->GetDisplay();
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        tarnbrook::DispatchEvent(event, mainForm);
    }
}

}  // namespace testsupport
