#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "ui/Point.h"

namespace tarnbrook {

// The program's single connection to the X server. The first Screen constructed becomes the
// process-wide default, used by routines that have no form at hand.
class Screen {
public:
    explicit Screen(const char* name);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    void Open();
    bool Close();  // false when there was no open connection

    Display* GetDisplay() const { return display_; }
    int GetScreenNumber() const { return screenNumber_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetDepth() const { return depth_; }
    bool HasOpenFailed() const { return openFailed_ != 0; }
    XVisualInfo* GetVisualInfo() const { return visualInfo_; }
    const char* GetName() const { return name_; }

    static Screen* Default();

private:
    int screenNumber_ = 0;
    Display* display_ = nullptr;
    XVisualInfo* visualInfo_ = nullptr;
    const char* name_;  // the window title; not owned
    int openFailed_ = 0;
    int width_ = 800;
    int height_ = 600;
    int depth_ = 8;
};

// The default Screen's size, or 0 when no Screen exists.
int ScreenWidth();
int ScreenHeight();
// The pointer on the default screen's root window, or (0, 0) when it cannot be asked.
Point GetPointerPosition();

}  // namespace tarnbrook
