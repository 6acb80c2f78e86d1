#pragma once

#include <cstdint>

#include "ui/Point.h"

namespace tarnbrook {

class Form;
class GUIElement;
class GraphicsContext;

// What the window-less widgets share when they paint themselves on their form.

constexpr int64_t kDisabledInk = 0x9B9B9B;  // captions and marks of a disabled widget
constexpr int64_t kHighlight = 0xDDDDDD;    // the light edge of tracks, ticks, thumbs and arrows
constexpr int kDashedLine = 1;              // line style of focus rectangles
constexpr int kAlignLeft = 0;
constexpr int kAlignCentre = 2;

// The form the element paints on, or null when it has no window (a closed dialog).
Form* PaintableForm(GUIElement* element);
// The element's own back colour, else its container's, else its form's, else the grey.
int64_t FaceColor(GUIElement* element);
// The element's top-left corner in its form's window.
Point WindowPosition(GUIElement* element);
// Clears the w x h pixels from the element's corner in the colour of what it sits on.
void EraseElement(GUIElement* element, int w, int h);
// Clears the element's whole width x height area.
void EraseElement(GUIElement* element);
// Sends what has been drawn to the X server at once.
void FlushDisplay(GUIElement* element);
// A dashed line in the colour.
void DrawDashed(GraphicsContext& gc, Point from, Point to, int64_t color);

}  // namespace tarnbrook
