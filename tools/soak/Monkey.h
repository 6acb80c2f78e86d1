#pragma once

#include <X11/Xlib.h>

#include <random>
#include <string>
#include <vector>

namespace soak {

// A top-level window of the program under test as the soak sees it.
struct ShownWindow {
    Window id = 0;
    std::string title;
    int width = 0;
    int height = 0;
};

// A player who knows nothing: random but plausible clicks, keys and close requests through
// XTest and client messages, paced so that the program gets to handle each event. The same
// seed gives the same choices.
class Monkey {
public:
    Monkey(Display* display, unsigned seed);

    // One random action on the windows shown (the main window first); answers what it did.
    std::string Act(const std::vector<ShownWindow>& windows);

    void Click(Window window, int x, int y, unsigned button = 1);
    // Asks the window to close: through the window manager (as its close button does), or with
    // WM_DELETE_WINDOW sent straight to the window.
    void RequestClose(Window window, bool throughWindowManager);

private:
    std::string ClickSomewhere(const ShownWindow& target);
    std::string PressKey();
    std::string Close(const ShownWindow& target);
    void Key(KeySym symbol);
    void Pace(int fromMs, int toMs);
    int Between(int from, int to);

    Display* display_;
    std::mt19937 random_;
};

}  // namespace soak
