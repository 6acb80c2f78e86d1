#pragma once

#include <X11/Xlib.h>

#include <array>

#include "gfx/XImageFactory.h"

namespace tarnbrook {

class GUIElement;

// The four pictures of a check or option mark (enabled or not, on or off) as X images, made
// from the compiled-in pictures for the element's form on first use and freed with their owner.
class MarkImages {
public:
    using Source = const unsigned char* (*)(bool enabled, bool on);

    explicit MarkImages(Source source) : source_(source) {}
    MarkImages(const MarkImages&) = delete;
    MarkImages& operator=(const MarkImages&) = delete;

    // The picture of the state; null when no image can be made (no display).
    XImage* Get(GUIElement* element, bool enabled, bool on);

private:
    Source source_;
    std::array<ImagePtr, 4> images_;
};

}  // namespace tarnbrook
