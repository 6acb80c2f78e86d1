#include "gfx/Screen.h"

#include <fcntl.h>

#include "app/Log.h"

namespace tarnbrook {

namespace {
Screen* defaultScreen = nullptr;
}

Screen::Screen(const char* name) : name_(name)
{
    Open();
    if (!defaultScreen) {
        defaultScreen = this;
    }
}

Screen::~Screen()
{
    Close();
    // A destroyed default must not be reached through ScreenWidth and friends.
    if (defaultScreen == this) {
        defaultScreen = nullptr;
    }
}

void Screen::Open()
{
    display_ = XOpenDisplay(nullptr);
    if (!display_) {
        openFailed_ = 1;
        WriteLog("XOpenDisplay(0) failed.");
        return;
    }
    // Programs the game starts must not hold its connection: the server would keep the
    // game's windows while any of them runs.
    fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
    screenNumber_ = DefaultScreen(display_);
    ::Screen* description = ScreenOfDisplay(display_, screenNumber_);
    width_ = description->width;
    height_ = description->height;
    depth_ = description->root_depth;
    if (depth_ < 24) {
        WriteLog("This app requires 24-bit depth.");
    }

    XVisualInfo wanted{};
    wanted.screen = screenNumber_;
    wanted.depth = depth_;
    int count = 0;
    visualInfo_ = XGetVisualInfo(display_, VisualScreenMask | VisualDepthMask, &wanted, &count);
    if (count == 0) {
        WriteLog("GetVisualInfo failed.");
    }
    height_ = XDisplayHeight(display_, screenNumber_);
    width_ = XDisplayWidth(display_, screenNumber_);
}

bool Screen::Close()
{
    if (!display_) {
        return false;
    }
    if (visualInfo_) {
        XFree(visualInfo_);
        visualInfo_ = nullptr;
    }
    XCloseDisplay(display_);
    display_ = nullptr;
    return true;
}

Screen* Screen::Default()
{
    return defaultScreen;
}

int ScreenWidth()
{
    return defaultScreen ? defaultScreen->GetWidth() : 0;
}

int ScreenHeight()
{
    return defaultScreen ? defaultScreen->GetHeight() : 0;
}

Point GetPointerPosition()
{
    if (!defaultScreen || !defaultScreen->GetDisplay()) {
        return Point{0, 0};
    }
    Display* display = defaultScreen->GetDisplay();
    Window root = RootWindow(display, defaultScreen->GetScreenNumber());
    Window rootReturn = 0;
    Window childReturn = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, root, &rootReturn, &childReturn, &rootX, &rootY, &windowX, &windowY,
                       &mask)) {
        return Point{0, 0};
    }
    return Point{rootX, rootY};
}

}  // namespace tarnbrook
