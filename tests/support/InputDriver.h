#pragma once

#include <X11/Xlib.h>

namespace testsupport {

// Real X input through XTest, synced so that the program has it queued when a call returns.
class InputDriver {
public:
    InputDriver();
    ~InputDriver();
    InputDriver(const InputDriver&) = delete;
    InputDriver& operator=(const InputDriver&) = delete;

    bool Connected() const { return display_ != nullptr; }
    Display* GetDisplay() const { return display_; }

    void MoveTo(Window window, int x, int y);
    void PressButton(unsigned int button, bool down = true);
    void ReleaseButton(unsigned int button) { PressButton(button, false); }
    void Click(Window window, int x, int y);         // move, press and release button 1
    void PressKey(KeySym keysym, bool down = true);  // a symbol no key gives goes on a spare key
    void ReleaseKey(KeySym keysym) { PressKey(keysym, false); }
    void TypeKey(KeySym keysym);           // press and release
    void SendDeleteWindow(Window window);  // the window manager's close request
    void SendUserMessage(Window window) { SendClientMessage(window, None, 1); }

private:
    KeyCode KeycodeOf(KeySym keysym);
    void SendClientMessage(Window window, Atom type, long first);

    Display* display_ = nullptr;
};

}  // namespace testsupport
