#pragma once

#include <X11/X.h>

#include <cstdint>

#include "ui/widgets/RangeControl.h"
#include "ui/widgets/ScrollBarGeometry.h"

namespace tarnbrook {

class GraphicsContext;

// A page-wise scroll bar: an arrow zone at each end and a track divided into one cell per page
// of content (a page is as many units as the track has pixels), with a solid block on the
// current page. A press on an arrow zone moves one page, a press or a drag on the track goes to
// the page under the pointer (the event loop passes every pointer motion to a focused scroll
// bar), the arrow keys and the space bar move page by page.
class ScrollBar : public RangeControl {
public:
    // Called with ten times the new value.
    using ScrollHandler = void (*)(ScrollBar* scrollBar, int64_t tenTimesValue);

    // A maximum at or below the minimum makes a range of one step.
    ScrollBar(GUIElement* container, int minimum, int maximum);

    // Store, then Paint: the old area is not cleared.
    void SetSize(int newWidth, int newHeight) override;
    // The frame's right and bottom edges lie one pixel beyond the size: they are cleared too.
    void Hide() override;
    void MouseDown(Point point) override;
    void KeyDown(KeySym keysym) override;
    void MouseMove(int pointerX, int pointerY) override;
    void Paint() override;

    // Slots after those of GUIElement.
    virtual void Enable(bool value);

    // Both store what they are given (the value is neither limited nor rounded to a page) and
    // run no handler.
    void SetRange(int minimum, int maximum);
    void SetValue(int newValue);
    void SetScrollHandler(ScrollHandler handler) { scrollHandler = handler; }
    void FireScroll(int scrolledTo);
    // One of the two orientations is always chosen: setting one clears the other and the
    // reverse.
    void SetHorizontal(bool value);
    void SetVertical(bool value);
    // Moves to the page under the point and fires the scroll; false when no page is there or
    // the value stays.
    bool SetValueFromPoint(int pointerX, int pointerY);

    // The pages as they stand now.
    ScrollBarPages GetPages() const;

protected:
    ScrollHandler scrollHandler = nullptr;
    bool horizontal = true;
    ScrollBarPages paintedPages_;  // the pages the ticks (the page cells' starts) were placed for

private:
    int64_t Ink() const;
    void Reshow();
    void PressAt(Point point);
    void PlaceTicks(Point at);
    void DrawArrows(GraphicsContext& gc, Point at);
    void DrawPageBlock(GraphicsContext& gc, Point at);
};

}  // namespace tarnbrook
