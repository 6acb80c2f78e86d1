#pragma once

#include <X11/X.h>

#include <vector>

#include "ui/PaintedChild.h"
#include "ui/widgets/ValueRange.h"

namespace tarnbrook {

// What a slider and a scroll bar share: a value in a range, ticks placed along the track at
// the last paint, dragging with the left button (the event loop passes every pointer motion to
// the focused element), the space bar as the Down key, and a repaint whenever the focus comes
// or goes. It adds no virtual operations of its own.
class RangeControl : public PaintedChild {
public:
    void MouseUp(Point point) override;
    bool KeyChar(char character) override;
    void SetFocus() override;
    void GotFocus() override;
    void LostFocus() override;

    int GetValue() const { return value; }
    int GetMaximum() const { return range_.Maximum(); }
    bool IsDragging() const { return dragging; }
    // The ticks of the last paint, in window coordinates.
    const std::vector<Point>& GetTicks() const { return ticks; }

protected:
    RangeControl(GUIElement* container, const std::string& kindName, ValueRange valueRange,
                 int initialValue, bool isVertical);

    static bool IsArrowKey(KeySym keysym);
    int Along(Point point) const { return vertical ? point.y : point.x; }

    ValueRange range_;
    int value;
    bool vertical;
    bool dragging = false;
    std::vector<Point> ticks;
};

}  // namespace tarnbrook
