#include "gfx/DisplayLink.h"

#include <algorithm>
#include <vector>

#include "gfx/CloseHook.h"

namespace tarnbrook {

namespace {

std::vector<DisplayLink*>& Links()
{
    static std::vector<DisplayLink*> links;
    return links;
}

// Displays whose closing is already watched. A display closed and freed is taken out, so a
// new connection that Xlib happens to place at the same address is watched again.
std::vector<Display*>& WatchedDisplays()
{
    static std::vector<Display*> displays;
    return displays;
}

bool Watch(Display* display, CloseHook::Callback closing)
{
    std::vector<Display*>& watched = WatchedDisplays();
    if (std::find(watched.begin(), watched.end(), display) != watched.end()) {
        return true;
    }
    if (!CloseHook::Install(display, closing)) {
        return false;
    }
    watched.push_back(display);
    return true;
}

DisplayLink* FirstLinkTo(Display* display)
{
    for (DisplayLink* link : Links()) {
        if (link->GetDisplay() == display) {
            return link;
        }
    }
    return nullptr;
}

}  // namespace

DisplayLink::~DisplayLink()
{
    Detach();
}

void DisplayLink::Attach(Display* display, Release release)
{
    Detach();
    if (!display || !Watch(display, Closing)) {
        return;
    }
    display_ = display;
    release_ = std::move(release);
    Links().push_back(this);
}

void DisplayLink::Detach()
{
    if (!display_) {
        return;
    }
    std::vector<DisplayLink*>& links = Links();
    links.erase(std::find(links.begin(), links.end(), this));
    display_ = nullptr;
    release_ = nullptr;
}

int DisplayLink::Closing(Display* display, XExtCodes*)
{
    std::vector<Display*>& watched = WatchedDisplays();
    watched.erase(std::remove(watched.begin(), watched.end(), display), watched.end());
    while (DisplayLink* link = FirstLinkTo(display)) {
        const Release release = std::move(link->release_);
        link->Detach();
        if (release) {
            release(display);
        }
    }
    return 0;
}

}  // namespace tarnbrook
