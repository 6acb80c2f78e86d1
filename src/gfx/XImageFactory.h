#pragma once

#include <X11/Xlib.h>

#include <memory>

#include "gfx/RgbBuffer.h"

namespace tarnbrook {

class GUIElement;

// Frees an image with its pixel data; a null image is ignored.
void DestroyImage(XImage* image);

struct XImageDeleter {
    void operator()(XImage* image) const { DestroyImage(image); }
};
// The one owner of an X image and its pixel data.
using ImagePtr = std::unique_ptr<XImage, XImageDeleter>;

// Makes a client-side image in the server's pixel layout (learned by the probe) from rgb, which
// holds width x height pixels of red, green, blue. The element may be any element: its form gives
// the display. Null rgb, a side that is not positive, or no form with a display give null.
ImagePtr CreateXImage(GUIElement* element, const unsigned char* rgb, int width, int height);
ImagePtr CreateXImage(GUIElement* element, const RgbBuffer& rgb);

// Reads an area of a window or pixmap back from the server; null when it cannot be read. A
// window found viewable a moment ago may be unmapped meanwhile (a window manager reparenting
// it): the read then fails with BadMatch, which is expected here and not reported as an error.
ImagePtr ReadImage(Display* display, Drawable drawable, int x, int y, int w, int h);

}  // namespace tarnbrook
