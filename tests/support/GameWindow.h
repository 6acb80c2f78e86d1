#pragma once

#include <X11/Xlib.h>

#include <string>

#include "support/InputDriver.h"
#include "support/ReferencePaint.h"

namespace testsupport {

// A top-level window of a program under test (no window manager), found on $DISPLAY by its
// title, read back and clicked like a player, through a connection of its own.
class GameWindow {
public:
    GameWindow();
    // Waits until a top-level window whose name begins with titlePrefix is viewable.
    bool WaitForWindow(const std::string& titlePrefix, int timeoutMs = 10000);
    Window Id() const { return window_; }
    Display* GetDisplay() const { return input_.GetDisplay(); }
    InputDriver& Input() { return input_; }

    // Window coordinates; empty when it cannot be read.
    Area Shown(int x, int y, int w, int h) { return ReadArea(GetDisplay(), window_, x, y, w, h); }
    int PixelAt(int x, int y);  // 0xRRGGBB; -1 when it cannot be read
    void ClickAt(int x, int y) { input_.Click(window_, x, y); }
    bool IsAbove(Window other);  // stacked above the other window

private:
    InputDriver input_;
    Window window_ = 0;
};

}  // namespace testsupport
