#include "Monkey.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <iterator>

#include "SoakedProgram.h"

namespace soak {

namespace {

// Where a player of the game clicks most, in hundredths of the clicks on its main window: the
// field and START / CANCEL, INFO and EXIT. The rest land anywhere on the window.
const char* const kGameTitle = "Tarnbrook - ";
const struct {
    int x, y, width, height, weight;
} kGameAreas[] = {{232, 144, 270, 351, 55},
                  {527, 140, 100, 28, 10},
                  {527, 170, 100, 28, 3},
                  {527, 200, 100, 28, 2}};
// The game's question before it ends: closed at once, which answers NO, so that a run goes on
// until the soak ends it.
const char* const kExitTitle = "Exit";

const KeySym kKeys[] = {XK_Return, XK_Escape, XK_Tab,  XK_BackSpace, XK_Delete, XK_Left,
                        XK_Right,  XK_Up,     XK_Down, XK_space,     XK_Home,   XK_End};

}  // namespace

Monkey::Monkey(Display* display, unsigned seed) : display_(display), random_(seed) {}

int Monkey::Between(int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(random_);
}

void Monkey::Pace(int fromMs, int toMs)
{
    XSync(display_, False);
    SleepMs(Between(fromMs, toMs));
}

std::string Monkey::Act(const std::vector<ShownWindow>& windows)
{
    for (const ShownWindow& window : windows) {
        if (window.title == kExitTitle) {
            return Close(window);
        }
    }
    // A dialog holds the player's attention: most input goes to one when one is open.
    const bool toDialog = windows.size() > 1 && Between(1, 4) > 1;
    const ShownWindow& target =
        toDialog ? windows[static_cast<size_t>(Between(1, static_cast<int>(windows.size()) - 1))]
                 : windows.front();
    const int roll = Between(1, 100);
    if (roll <= 70) {
        return ClickSomewhere(target);
    }
    if (roll <= 95) {
        return PressKey();
    }
    return Close(target);
}

std::string Monkey::ClickSomewhere(const ShownWindow& target)
{
    int x = Between(0, target.width - 1);
    int y = Between(0, target.height - 1);
    if (target.title.rfind(kGameTitle, 0) == 0) {
        int roll = Between(1, 100);
        for (const auto& area : kGameAreas) {
            if ((roll -= area.weight) <= 0) {
                x = area.x + Between(0, area.width - 1);
                y = area.y + Between(0, area.height - 1);
                break;
            }
        }
    }
    const unsigned button = Between(1, 10) <= 8 ? 1 : 3;
    Click(target.id, x, y, button);
    Pace(20, 90);
    return "click " + std::to_string(button) + " at " + std::to_string(x) + "," +
           std::to_string(y) + " in '" + target.title + "'";
}

void Monkey::Click(Window window, int x, int y, unsigned button)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    Pace(5, 20);
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    Pace(10, 40);
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    Pace(10, 40);
}

// Letters and digits as a name is typed, and the keys that move or confirm.
std::string Monkey::PressKey()
{
    const int roll = Between(1, 100);
    const KeySym symbol = roll <= 40   ? XK_a + static_cast<KeySym>(Between(0, 25))
                          : roll <= 60 ? XK_0 + static_cast<KeySym>(Between(0, 9))
                                       : kKeys[Between(0, static_cast<int>(std::size(kKeys)) - 1)];
    Key(symbol);
    const char* name = XKeysymToString(symbol);
    return std::string("key ") + (name ? name : "?");
}

void Monkey::Key(KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    Pace(5, 30);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    Pace(10, 60);
}

std::string Monkey::Close(const ShownWindow& target)
{
    const bool throughManager = Between(0, 1) == 1;
    RequestClose(target.id, throughManager);
    return std::string("close ") + (throughManager ? "through the window manager " : "") + "'" +
           target.title + "'";
}

void Monkey::RequestClose(Window window, bool throughWindowManager)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 32;
    event.xclient.data.l[1] = CurrentTime;
    if (throughWindowManager) {
        event.xclient.message_type = XInternAtom(display_, "_NET_CLOSE_WINDOW", False);
        event.xclient.data.l[1] = 2;  // asked by a user's tool
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        XSendEvent(display_, window, False, NoEventMask, &event);
    }
    Pace(30, 120);
}

}  // namespace soak
