#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "gfx/Screen.h"
#include "ui/Form.h"

namespace testsupport {

// Where pixels of one colour lie in an area; empty when there are none.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;  // right and bottom inclusive
    int count = 0;
    bool Empty() const { return count == 0; }
};

// The pixel at (x, y) has the colour.
struct Spot {
    int x, y, color;
};

// A form shown on the tests' X server; pixels are read back from its window.
class ShownForm {
public:
    explicit ShownForm(int width = 240, int height = 180, long backColor = -1);
    ShownForm(const ShownForm&) = delete;
    ShownForm& operator=(const ShownForm&) = delete;

    tarnbrook::Form& Get() { return form_; }
    tarnbrook::Screen& GetScreen() { return screen_; }
    Display* GetDisplay() const { return screen_.GetDisplay(); }
    bool Viewable() const { return viewable_; }

    int Pixel(int x, int y);  // 0xRRGGBB
    std::vector<int> Area(int x, int y, int w, int h);
    InkBox FindColor(int x, int y, int w, int h, int color);
    int CountOther(int x, int y, int w, int h, int color);

private:
    tarnbrook::Screen screen_;
    tarnbrook::Form form_;
    bool viewable_ = false;
};

}  // namespace testsupport
