#pragma once

#include <cstdint>

#include "ui/Point.h"

namespace tarnbrook {

class GraphicsContext;

// What the window-less widgets share when they paint themselves on their form.

constexpr int64_t kDisabledInk = 0x9B9B9B;  // captions and marks of a disabled widget
constexpr int64_t kHighlight = 0xDDDDDD;    // the light edge of tracks, ticks, thumbs and arrows
constexpr int kDashedLine = 1;              // line style of focus rectangles

// A dashed line in the colour.
void DrawDashed(GraphicsContext& gc, Point from, Point to, int64_t color);

}  // namespace tarnbrook
