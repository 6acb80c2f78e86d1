#include "GameWindows.h"

#include <X11/Xutil.h>

namespace soak {

namespace {

// The mask of the resource-id bits a server gives each client to number its resources; the
// bits above it name the client. Xlib keeps it in the public part of its connection record.
XID ClientMaskOf(Display* display)
{
    return reinterpret_cast<_XPrivDisplay>(display)->private4;
}

}  // namespace

std::string TitleOf(Display* display, Window window)
{
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

GameWindows::GameWindows(Display* display) : display_(display), clientMask_(ClientMaskOf(display))
{
}

bool GameWindows::Locate(const std::string& mainTitlePrefix)
{
    if (main_) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, main_, &attributes)) {
            return true;
        }
        main_ = 0;
    }
    for (Window window : AllWindows(false)) {
        if (TitleOf(display_, window).rfind(mainTitlePrefix, 0) == 0) {
            main_ = window;
            return true;
        }
    }
    return false;
}

void GameWindows::Forget()
{
    main_ = 0;
}

bool GameWindows::IsOurs(Window window) const
{
    return main_ && (window & ~clientMask_) == (main_ & ~clientMask_);
}

void GameWindows::Collect(Window parent, std::vector<Window>& found, bool ownedOnly)
{
    Window root = 0;
    Window above = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, parent, &root, &above, &children, &count)) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        if (!ownedOnly || IsOurs(children[i])) {
            found.push_back(children[i]);
        }
        Collect(children[i], found, ownedOnly);
    }
    if (children) {
        XFree(children);
    }
}

std::vector<Window> GameWindows::AllWindows(bool ownedOnly)
{
    std::vector<Window> found;
    Collect(DefaultRootWindow(display_), found, ownedOnly);
    return found;
}

std::vector<ShownWindow> GameWindows::Viewable()
{
    std::vector<ShownWindow> shown;
    if (!main_) {
        return shown;
    }
    for (Window window : AllWindows(true)) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, window, &attributes) ||
            attributes.map_state != IsViewable) {
            continue;
        }
        ShownWindow entry{window, TitleOf(display_, window), attributes.width, attributes.height};
        if (window == main_) {
            shown.insert(shown.begin(), entry);
        } else {
            shown.push_back(entry);
        }
    }
    return shown;
}

int GameWindows::Count()
{
    return main_ ? static_cast<int>(AllWindows(true).size()) : 0;
}

}  // namespace soak
