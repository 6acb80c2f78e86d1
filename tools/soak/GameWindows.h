#pragma once

#include <X11/Xlib.h>

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

// The X windows of one run of the program, told apart from everybody else's (the window
// manager's frames, the soak's own) by the client part of their resource ids. The program makes
// X windows for its forms only, so each of them is a top-level window.
class GameWindows {
public:
    explicit GameWindows(Display* display);

    // Looks for the program's main window by the beginning of its title; from then on the
    // windows of that client are the program's. False while it is not on the screen.
    bool Locate(const std::string& mainTitlePrefix);
    // A new run: its windows belong to another client.
    void Forget();
    bool Located() const { return main_ != 0; }
    Window Main() const { return main_; }

    // The program's viewable windows, the main window first.
    std::vector<ShownWindow> Viewable();
    // Every window of the program, mapped or not.
    int Count();

private:
    bool IsOurs(Window window) const;
    void Collect(Window parent, std::vector<Window>& found, bool ownedOnly);
    std::vector<Window> AllWindows(bool ownedOnly);

    Display* display_;
    XID clientMask_;
    Window main_ = 0;
};

// The title a window shows, empty when it has none.
std::string TitleOf(Display* display, Window window);

}  // namespace soak
