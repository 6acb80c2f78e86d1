#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Pixels of an area, row by row, as 0xRRGGBB.
struct Area {
    int width = 0, height = 0;
    std::vector<int> pixels;

    bool operator==(const Area& other) const
    {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
    int At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    Area Crop(int x, int y, int w, int h) const;
};

// Read back with XGetImage; empty when the area cannot be read.
Area ReadArea(Display* display, Window window, int x, int y, int w, int h);

// "" when the area is, pixel for pixel, tests/data/pictures/<name>.txt: runs of equal pixels, row
// by row, as lines of colour and count in hexadecimal. Else where it first differs. With
// TARNBROOK_NEW_PICTURES set the file is written anew first, for git diff to show the change.
std::string PictureDifference(const Area& shown, const std::string& name);

// A label painted alone on the game's background and read back: the texts' oracle.
Area PaintedLabel(const std::string& text, int width, int height, int64_t foreColor,
                  int64_t backColor, int align, bool bevel);

}  // namespace testsupport
