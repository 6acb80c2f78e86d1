#pragma once

#include <X11/Xlib.h>

namespace tarnbrook {

class Form;

// Routes one X event to the form that owns its window and, for the mouse and the keyboard, to
// the element under the pointer or holding the focus. mainForm is the form the loop runs on
// (null once it is gone): the close button on it only asks it.
void DispatchEvent(XEvent& event, Form* mainForm);

}  // namespace tarnbrook
