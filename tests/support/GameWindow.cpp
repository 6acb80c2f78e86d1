#include "support/GameWindow.h"

#include <algorithm>
#include <vector>

#include "support/WaitFor.h"
#include "support/WindowState.h"

namespace testsupport {

// The program's windows come and go while they are looked at: errors about vanished windows
// are expected, and the calls that meet them answer failure.
GameWindow::GameWindow()
{
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

bool GameWindow::WaitForWindow(const std::string& titlePrefix, int timeoutMs)
{
    const auto shown = [&] {
        for (Window window : TopLevelWindows(GetDisplay())) {
            char* name = nullptr;
            const bool found = XFetchName(GetDisplay(), window, &name) &&
                               std::string(name).rfind(titlePrefix, 0) == 0 &&
                               Viewable(GetDisplay(), window);
            XFree(name);
            if (found) {
                window_ = window;
                return true;
            }
        }
        return false;
    };
    return GetDisplay() && WaitFor(shown, timeoutMs);
}

int GameWindow::PixelAt(int x, int y)
{
    const Area pixel = Shown(x, y, 1, 1);
    return pixel.pixels.empty() ? -1 : pixel.pixels[0];
}

bool GameWindow::IsAbove(Window other)
{
    const std::vector<Window> stack = TopLevelWindows(GetDisplay());
    const auto upper = std::find(stack.begin(), stack.end(), window_);
    return upper != stack.end() && std::find(stack.begin(), upper, other) != upper;
}

}  // namespace testsupport
