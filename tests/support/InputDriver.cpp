#include "support/InputDriver.h"

#include <X11/extensions/XTest.h>

namespace testsupport {

InputDriver::InputDriver() : display_(XOpenDisplay(nullptr))
{
    if (display_) {
        XSetInputFocus(display_, PointerRoot, RevertToPointerRoot, CurrentTime);
        XSync(display_, False);
    }
}

InputDriver::~InputDriver()
{
    if (display_) {
        XCloseDisplay(display_);
    }
}

void InputDriver::MoveTo(Window window, int x, int y)
{
    int rootX = 0;
    int rootY = 0;
    Window child;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display_, -1, rootX, rootY, CurrentTime);
    XSync(display_, False);
}

void InputDriver::PressButton(unsigned int button, bool down)
{
    XTestFakeButtonEvent(display_, button, down, CurrentTime);
    XSync(display_, False);
}

void InputDriver::Click(Window window, int x, int y)
{
    MoveTo(window, x, y);
    PressButton(Button1);
    ReleaseButton(Button1);
}

void InputDriver::PressKey(KeySym keysym, bool down)
{
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), down, CurrentTime);
    XSync(display_, False);
}

void InputDriver::TypeKey(KeySym keysym)
{
    PressKey(keysym);
    ReleaseKey(keysym);
}

void InputDriver::SendDeleteWindow(Window window)
{
    SendClientMessage(window, XInternAtom(display_, "WM_PROTOCOLS", False),
                      static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False)));
}

void InputDriver::SendClientMessage(Window window, Atom type, long first)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
}

}  // namespace testsupport
