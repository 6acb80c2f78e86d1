#pragma once

#include <X11/Xlib.h>

#include <string>

#include "support/InputDriver.h"
#include "support/ReferencePaint.h"

namespace testsupport {

// A top-level window of a program under test (the game, its dialogs, the gallery), found on
// $DISPLAY by its title, read back and clicked like a player, through a connection of its own.
class GameWindow {
public:
    GameWindow() = default;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Waits until a top-level window whose name begins with titlePrefix is mapped.
    bool WaitForWindow(const std::string& titlePrefix, int timeoutMs = 10000);
    Window Id() const { return window_; }
    Display* GetDisplay() const { return input_.GetDisplay(); }
    InputDriver& Input() { return input_; }

    Area Shown(int x, int y, int w, int h);  // window coordinates; empty when it cannot be read
    int PixelAt(int x, int y);               // 0xRRGGBB; -1 when it cannot be read
    void ClickAt(int x, int y);              // left button
    // Where the window's inside lies on the screen.
    void Origin(int& rootX, int& rootY);
    // Whether this window is stacked above the other one, both children of the root window
    // (no window manager frames them).
    bool IsAbove(Window other);
    bool Exists();

private:
    Window FindByTitle(Window parent, const std::string& titlePrefix);

    InputDriver input_;
    Window window_ = 0;
};

}  // namespace testsupport
