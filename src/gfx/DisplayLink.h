#pragma once

#include <X11/Xlib.h>

#include <functional>

namespace tarnbrook {

// Ties a resource made on a display connection (a loaded font, a graphics context) to that
// connection. When the connection closes, whoever closes it, Xlib calls back while it still
// works: the link is emptied and the owner's release runs with the closing display. So a
// resource that outlives its display goes with it, and no owner ever calls Xlib through a
// closed connection: an empty link means there is nothing left to free.
class DisplayLink {
public:
    using Release = std::function<void(Display* closing)>;

    DisplayLink() = default;
    ~DisplayLink();
    DisplayLink(const DisplayLink&) = delete;
    DisplayLink& operator=(const DisplayLink&) = delete;

    // release runs when the display closes, unless Detach comes first.
    void Attach(Display* display, Release release);
    void Detach();
    Display* GetDisplay() const { return display_; }  // null when empty

private:
    static int Closing(Display* display, XExtCodes* codes);

    Display* display_ = nullptr;
    Release release_;
};

}  // namespace tarnbrook
