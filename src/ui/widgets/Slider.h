#pragma once

#include <X11/X.h>

#include <cstdint>

#include "ui/widgets/RangeControl.h"

namespace tarnbrook {

class GraphicsContext;

// Picks an integer from a small closed range: a track with one tick per value and a triangular
// thumb on the tick of the current value, horizontal or vertical, optionally with the two end
// values printed at the ends. The left button drags the thumb (the event loop passes every
// pointer motion to a focused slider, wherever the pointer is); the arrow keys and the space
// bar step through the values, wrapping at the ends.
class Slider : public RangeControl {
public:
    using ChangeHandler = void (*)(Slider* slider, int value);

    // A maximum at or below the minimum makes a range of one step.
    Slider(GUIElement* container, bool vertical, int minimum, int maximum);

    // Store, then Paint: the old area is not cleared.
    void SetSize(int newWidth, int newHeight) override;
    void SetPosition(int newX, int newY) override;
    void MouseDown(Point point) override;
    void KeyDown(KeySym keysym) override;
    void MouseMove(int pointerX, int pointerY) override;
    void Paint() override;

    // Slots after those of GUIElement.
    virtual void Enable(bool value);

    // Limited to the range; runs no handler.
    void SetValue(int newValue);
    void SetForeColor(int64_t color);
    void SetShowLabels(bool value);
    void SetChangeHandler(ChangeHandler handler) { changeHandler = handler; }
    // The change handler with the value, then the OnChange callback.
    void FireChange();
    // Moves the value to the first tick at or beyond the point (along the track, with 2 pixels
    // to spare) and fires the change; false when no tick is there or the value stays.
    bool SetValueFromPoint(int pointerX, int pointerY);

protected:
    bool showLabels = true;
    int64_t foreColor = 0x000000;
    ChangeHandler changeHandler = nullptr;

private:
    int64_t Ink() const;
    // The value tick `tick` of the last paint stands for, and the tick the thumb is on.
    int TickValue(int tick) const;
    size_t ThumbTick() const;
    void StepValue(int step);
    void PlaceTicks(Point at);
    void DrawHorizontal(GraphicsContext& gc, Point at, int64_t face);
    void DrawVertical(GraphicsContext& gc, Point at, int64_t face);
    void DrawThumb(GraphicsContext& gc, Point tick);
    void DrawFocusRectangle(GraphicsContext& gc, Point at);
};

}  // namespace tarnbrook
