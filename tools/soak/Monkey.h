#pragma once

#include <X11/Xlib.h>

#include <random>
#include <string>
#include <vector>

#include "GameWindows.h"

namespace soak {

// A player who knows nothing: random but plausible input to the program's windows through
// XTest (clicks, drags, keys, typing) and close requests, paced so that the program gets to
// handle each event. The same seed gives the same choices.
class Monkey {
public:
    Monkey(Display* display, unsigned seed);

    // One random action on the windows shown (the main window first); answers what it did.
    std::string Act(const std::vector<ShownWindow>& windows);

    // A left click at window coordinates.
    void Click(Window window, int x, int y, unsigned button = 1);
    // Asks the window to close: as the window manager's close button does (the manager
    // sends WM_DELETE_WINDOW), or with WM_DELETE_WINDOW sent straight to the window.
    void RequestClose(Window window, bool throughWindowManager);

private:
    struct Spot {
        int x;
        int y;
    };
    struct Rectangle {
        int x;
        int y;
        int width;
        int height;
    };

    std::string ClickSomewhere(const ShownWindow& target);
    std::string DoubleClick(const ShownWindow& target);
    std::string Drag(const ShownWindow& target);
    std::string Hover(const ShownWindow& target);
    std::string PressKey();
    std::string TypeWord();
    std::string CloseOne(const std::vector<ShownWindow>& windows, bool dialog);

    const ShownWindow& PickTarget(const std::vector<ShownWindow>& windows);
    void FindYesButtons(const std::vector<ShownWindow>& windows);
    bool OnYes(Window window, Spot spot);
    // A spot that is not a YES button, chosen as a player of the window would choose.
    Spot Aim(const ShownWindow& target);
    Spot Favourite(const ShownWindow& target);
    Spot Anywhere(const ShownWindow& target);
    unsigned PickButton();
    void MoveTo(Window window, Spot spot);
    void Button(unsigned button, bool press);
    void Key(KeySym symbol, bool shifted);
    void Pace(int fromMs, int toMs);
    int Between(int from, int to);
    bool Chance(double probability);

    Display* display_;
    std::mt19937 random_;
    std::vector<Rectangle> yesButtons_;  // screen coordinates
};

}  // namespace soak
