#include "support/GameWindow.h"

#include <algorithm>
#include <vector>

#include "support/WaitFor.h"

namespace testsupport {

namespace {

// Bottom first in stacking order.
std::vector<Window> Children(Display* display, Window window)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> list;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        list.assign(children, children + count);
    }
    XFree(children);
    return list;
}

}  // namespace

// The program's windows come and go while they are looked at: errors about vanished windows
// are expected, and the calls that meet them answer failure.
GameWindow::GameWindow()
{
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

bool GameWindow::WaitForWindow(const std::string& titlePrefix, int timeoutMs)
{
    const auto shown = [&] {
        XWindowAttributes attributes;
        window_ = FindByTitle(DefaultRootWindow(GetDisplay()), titlePrefix);
        return window_ && XGetWindowAttributes(GetDisplay(), window_, &attributes) &&
               attributes.map_state == IsViewable;
    };
    return GetDisplay() && WaitFor(shown, timeoutMs);
}

// Depth first: a window manager puts the window inside a frame.
Window GameWindow::FindByTitle(Window parent, const std::string& titlePrefix)
{
    for (Window child : Children(GetDisplay(), parent)) {
        char* name = nullptr;
        const bool found = XFetchName(GetDisplay(), child, &name) && name &&
                           std::string(name).rfind(titlePrefix, 0) == 0;
        XFree(name);
        if (const Window inside = found ? child : FindByTitle(child, titlePrefix)) {
            return inside;
        }
    }
    return 0;
}

int GameWindow::PixelAt(int x, int y)
{
    const Area pixel = Shown(x, y, 1, 1);
    return pixel.pixels.empty() ? -1 : pixel.pixels[0];
}

void GameWindow::Origin(int& rootX, int& rootY)
{
    Window child;
    XTranslateCoordinates(GetDisplay(), window_, DefaultRootWindow(GetDisplay()), 0, 0, &rootX,
                          &rootY, &child);
}

bool GameWindow::IsAbove(Window other)
{
    const std::vector<Window> stack = Children(GetDisplay(), DefaultRootWindow(GetDisplay()));
    const auto upper = std::find(stack.begin(), stack.end(), window_);
    return upper != stack.end() && std::find(stack.begin(), upper, other) != upper;
}

bool GameWindow::Exists()
{
    XWindowAttributes attributes;
    return window_ && XGetWindowAttributes(GetDisplay(), window_, &attributes) != 0;
}

}  // namespace testsupport
