#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Pixels of an area, row by row, as 0xRRGGBB.
struct Area {
    int width = 0;
    int height = 0;
    std::vector<int> pixels;

    bool operator==(const Area& other) const
    {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
    Area Crop(int x, int y, int w, int h) const;
};

Area ReadArea(Display* display, Window window, int x, int y, int w, int h);

// What the toolkit paints for a button or a label of the given look on the main window's
// background: drawn in this process on a form of its own and read back, it is the oracle for
// the texts on the game's window.
Area PaintedButton(const std::string& caption, int width, int height, int64_t foreColor,
                   int64_t faceColor);
Area PaintedLabel(const std::string& text, int width, int height, int64_t foreColor,
                  int64_t backColor, int align, bool bevel);

// The caption box of a button of that size: inside the focus mark, which comes and goes.
Area ButtonCaptionBox(const Area& button);

}  // namespace testsupport
