#include "support/InputDriver.h"

#include <X11/extensions/XTest.h>

#include <algorithm>

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
    int rootX = 0, rootY = 0;
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

// A symbol no key gives (the server's map is American) goes on the first key that gives nothing.
// Clients read the map at their first lookup, so a test maps a symbol before the program looks.
KeyCode InputDriver::KeycodeOf(KeySym keysym)
{
    if (KeyCode code = XKeysymToKeycode(display_, keysym)) {
        return code;
    }
    int first = 0, last = 0;
    XDisplayKeycodes(display_, &first, &last);
    int perCode = 0;
    KeySym* map =
        XGetKeyboardMapping(display_, static_cast<KeyCode>(first), last - first + 1, &perCode);
    KeyCode spare = 0;
    for (int code = first; map && !spare && code <= last; ++code) {
        const KeySym* symbols = map + (code - first) * perCode;
        if (std::all_of(symbols, symbols + perCode, [](KeySym s) { return s == NoSymbol; })) {
            spare = static_cast<KeyCode>(code);
        }
    }
    XFree(map);
    if (spare) {
        KeySym both[] = {keysym, keysym};
        XChangeKeyboardMapping(display_, spare, 2, both, 1);
        XSync(display_, False);
    }
    return spare;
}

void InputDriver::PressKey(KeySym keysym, bool down)
{
    XTestFakeKeyEvent(display_, KeycodeOf(keysym), down, CurrentTime);
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
