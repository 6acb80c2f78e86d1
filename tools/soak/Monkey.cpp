#include "Monkey.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdio>

#include "SoakedProgram.h"

namespace soak {

namespace {

struct Area {
    int x;
    int y;
    int width;
    int height;
    int weight;  // in hundredths of the clicks on the window
};

// Where a player of the game clicks most: the covered field and the buttons. The rest of the
// clicks land anywhere on the window.
const char* const kGameTitle = "Tarnbrook - ";
const Area kGameAreas[] = {
    {232, 144, 270, 351, 55},  // the field of 10 x 13 squares
    {527, 140, 100, 28, 10},   // START / CANCEL
    {527, 170, 100, 28, 3},    // INFO
    {527, 200, 100, 28, 2},    // EXIT
};

// The exit question's YES button (right, 40 pixels above the bottom) would end the game; the
// soak answers NO or closes the question instead.
const char* const kExitTitle = "Exit";
constexpr int kYesFromRight = 120;
constexpr int kYesFromBottom = 40;
// An element takes the clicks on all four edges of its 110 x 28 rectangle.
constexpr int kYesWidth = 111;
constexpr int kYesHeight = 29;
// A window wholly covered by YES buttons is clicked all the same after this many tries.
constexpr int kMostAttempts = 100;

const KeySym kKeys[] = {
    XK_Return, XK_Escape, XK_Tab,  XK_BackSpace, XK_Delete, XK_Left,
    XK_Right,  XK_Up,     XK_Down, XK_space,     XK_Home,   XK_End,
};

std::string Describe(const ShownWindow& window)
{
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", window.id);
    return std::string(id) + " '" + window.title + "'";
}

std::string At(int x, int y)
{
    return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

}  // namespace

Monkey::Monkey(Display* display, unsigned seed) : display_(display), random_(seed) {}

int Monkey::Between(int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(random_);
}

bool Monkey::Chance(double probability)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < probability;
}

void Monkey::Pace(int fromMs, int toMs)
{
    XSync(display_, False);
    SleepMs(Between(fromMs, toMs));
}

std::string Monkey::Act(const std::vector<ShownWindow>& windows)
{
    if (windows.empty()) {
        return "";
    }
    FindYesButtons(windows);
    const int roll = Between(1, 100);
    const bool dialogOpen = windows.size() > 1;
    if (roll <= 50) {
        return ClickSomewhere(PickTarget(windows));
    }
    if (roll <= 54) {
        return DoubleClick(PickTarget(windows));
    }
    if (roll <= 62) {
        return Drag(PickTarget(windows));
    }
    if (roll <= 66) {
        return Hover(PickTarget(windows));
    }
    if (roll <= 84) {
        return PressKey();
    }
    if (roll <= 89) {
        return TypeWord();
    }
    if (roll <= 97 && dialogOpen) {
        return CloseOne(windows, true);
    }
    if (roll >= 99) {
        return CloseOne(windows, false);
    }
    return ClickSomewhere(PickTarget(windows));
}

// A dialog holds the player's attention: most input goes to one when one is open.
const ShownWindow& Monkey::PickTarget(const std::vector<ShownWindow>& windows)
{
    if (windows.size() > 1 && Chance(0.75)) {
        return windows[static_cast<size_t>(Between(1, static_cast<int>(windows.size()) - 1))];
    }
    return windows.front();
}

Monkey::Spot Monkey::Anywhere(const ShownWindow& target)
{
    return {Between(0, std::max(0, target.width - 1)), Between(0, std::max(0, target.height - 1))};
}

// Where the exit questions' YES buttons are on the screen. Windows overlap: a click meant for
// another dialog may land on the question stacked above it.
void Monkey::FindYesButtons(const std::vector<ShownWindow>& windows)
{
    yesButtons_.clear();
    const Window root = DefaultRootWindow(display_);
    for (const ShownWindow& window : windows) {
        int x = 0;
        int y = 0;
        Window child = 0;
        if (window.title == kExitTitle &&
            XTranslateCoordinates(display_, window.id, root, window.width - kYesFromRight,
                                  window.height - kYesFromBottom, &x, &y, &child)) {
            yesButtons_.push_back({x, y, kYesWidth, kYesHeight});
        }
    }
}

bool Monkey::OnYes(Window window, Spot spot)
{
    const Window root = DefaultRootWindow(display_);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, root, spot.x, spot.y, &x, &y, &child);
    for (const Rectangle& yes : yesButtons_) {
        if (x >= yes.x && x < yes.x + yes.width && y >= yes.y && y < yes.y + yes.height) {
            return true;
        }
    }
    return false;
}

Monkey::Spot Monkey::Aim(const ShownWindow& target)
{
    Spot spot = Favourite(target);
    for (int attempt = 0; attempt < kMostAttempts && OnYes(target.id, spot); ++attempt) {
        spot = Anywhere(target);
    }
    return spot;
}

Monkey::Spot Monkey::Favourite(const ShownWindow& target)
{
    if (target.title.rfind(kGameTitle, 0) == 0) {
        int roll = Between(1, 100);
        for (const Area& area : kGameAreas) {
            roll -= area.weight;
            if (roll <= 0) {
                return {area.x + Between(0, area.width - 1), area.y + Between(0, area.height - 1)};
            }
        }
    }
    return Anywhere(target);
}

// Mostly left, some right and middle, now and then a turn of the wheel (buttons 4 and 5).
unsigned Monkey::PickButton()
{
    const int roll = Between(1, 100);
    if (roll <= 84) {
        return 1;
    }
    if (roll <= 91) {
        return 3;
    }
    if (roll <= 96) {
        return 2;
    }
    return roll <= 98 ? 4 : 5;
}

void Monkey::MoveTo(Window window, Spot spot)
{
    const Window root = DefaultRootWindow(display_);
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, root, spot.x, spot.y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    Pace(5, 20);
}

void Monkey::Button(unsigned button, bool press)
{
    XTestFakeButtonEvent(display_, button, press ? True : False, CurrentTime);
    Pace(10, 40);
}

void Monkey::Click(Window window, int x, int y, unsigned button)
{
    MoveTo(window, {x, y});
    Button(button, true);
    Button(button, false);
}

std::string Monkey::ClickSomewhere(const ShownWindow& target)
{
    const Spot spot = Aim(target);
    const unsigned button = PickButton();
    Click(target.id, spot.x, spot.y, button);
    Pace(20, 90);
    return "click " + std::to_string(button) + " at " + At(spot.x, spot.y) + " in " +
           Describe(target);
}

std::string Monkey::DoubleClick(const ShownWindow& target)
{
    const Spot spot = Aim(target);
    Click(target.id, spot.x, spot.y);
    Click(target.id, spot.x, spot.y);
    Pace(20, 90);
    return "double click at " + At(spot.x, spot.y) + " in " + Describe(target);
}

// Press, a few steps of motion, release: what moves a slider's knob or a scroll bar's thumb.
std::string Monkey::Drag(const ShownWindow& target)
{
    const Spot from = Aim(target);
    Spot to = Anywhere(target);
    for (int attempt = 0; attempt < kMostAttempts && OnYes(target.id, to); ++attempt) {
        to = Anywhere(target);
    }
    MoveTo(target.id, from);
    Button(1, true);
    const int steps = Between(2, 6);
    for (int step = 1; step <= steps; ++step) {
        MoveTo(target.id, {from.x + (to.x - from.x) * step / steps,
                           from.y + (to.y - from.y) * step / steps});
    }
    Button(1, false);
    Pace(20, 90);
    return "drag " + At(from.x, from.y) + " to " + At(to.x, to.y) + " in " + Describe(target);
}

std::string Monkey::Hover(const ShownWindow& target)
{
    const Spot spot = Anywhere(target);
    MoveTo(target.id, spot);
    return "move to " + At(spot.x, spot.y) + " in " + Describe(target);
}

void Monkey::Key(KeySym symbol, bool shifted)
{
    const KeyCode shift = XKeysymToKeycode(display_, XK_Shift_L);
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    if (!code) {
        return;
    }
    if (shifted) {
        XTestFakeKeyEvent(display_, shift, True, CurrentTime);
    }
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    Pace(5, 30);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (shifted) {
        XTestFakeKeyEvent(display_, shift, False, CurrentTime);
    }
    Pace(10, 60);
}

std::string Monkey::PressKey()
{
    KeySym symbol;
    const int roll = Between(1, 100);
    if (roll <= 40) {
        symbol = XK_a + static_cast<KeySym>(Between(0, 25));
    } else if (roll <= 60) {
        symbol = XK_0 + static_cast<KeySym>(Between(0, 9));
    } else {
        symbol = kKeys[Between(0, static_cast<int>(sizeof kKeys / sizeof kKeys[0]) - 1)];
    }
    const bool shifted = Chance(0.1);
    Key(symbol, shifted);
    const char* name = XKeysymToString(symbol);
    return std::string("key ") + (shifted ? "Shift+" : "") + (name ? name : "?");
}

// A name typed as a player would, sometimes ended with Return.
std::string Monkey::TypeWord()
{
    std::string word;
    const int length = Between(1, 24);
    for (int i = 0; i < length; ++i) {
        const KeySym symbol = Chance(0.8) ? XK_a + static_cast<KeySym>(Between(0, 25))
                                          : XK_0 + static_cast<KeySym>(Between(0, 9));
        Key(symbol, i == 0);
        word += XKeysymToString(symbol);
    }
    const bool enter = Chance(0.6);
    if (enter) {
        Key(XK_Return, false);
    }
    return "type " + word + (enter ? " Return" : "");
}

void Monkey::RequestClose(Window window, bool throughWindowManager)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 32;
    if (throughWindowManager) {
        event.xclient.message_type = XInternAtom(display_, "_NET_CLOSE_WINDOW", False);
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2;  // asked by a pager or a user's tool
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, window, False, NoEventMask, &event);
    }
    Pace(30, 120);
}

std::string Monkey::CloseOne(const std::vector<ShownWindow>& windows, bool dialog)
{
    const ShownWindow& target =
        dialog ? windows[static_cast<size_t>(Between(1, static_cast<int>(windows.size()) - 1))]
               : windows.front();
    const bool throughManager = Chance(0.5);
    RequestClose(target.id, throughManager);
    return std::string("close ") + (throughManager ? "through the window manager " : "") +
           Describe(target);
}

}  // namespace soak
