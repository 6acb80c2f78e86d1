#include "ui/widgets/ScrollBar.h"

#include <X11/keysym.h>

#include <algorithm>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/widgets/WidgetDrawing.h"

namespace tarnbrook {

namespace {

constexpr int kArrowInset = 2;    // between an arrow and the bar's edges
constexpr int kArrowLength = 19;  // from the bar's end to an arrow's base
constexpr int kBlockInset = 2;    // between the page block and the bar's edge

XPoint Corner(int x, int y)
{
    return XPoint{static_cast<short>(x), static_cast<short>(y)};
}

}  // namespace

ScrollBar::ScrollBar(GUIElement* container, int minimum, int maximum)
    : RangeControl(container, "scrollbar", ValueRange(minimum, maximum), 0, false)
{
    width = 80;
    height = 13;
}

void ScrollBar::SetSize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    Paint();
}

void ScrollBar::Hide()
{
    HideErasing(width + 1, height + 1, ContainerBackColor(this));
}

void ScrollBar::Reshow()
{
    if (created) {
        Hide();
        Show();
    }
}

void ScrollBar::Enable(bool value)
{
    enabled = value;
    Paint();
}

void ScrollBar::SetRange(int minimum, int maximum)
{
    range_ = ValueRange(minimum, maximum);
    Paint();
}

void ScrollBar::SetValue(int newValue)
{
    value = newValue;
    Paint();
}

void ScrollBar::FireScroll(int scrolledTo)
{
    if (scrollHandler) {
        scrollHandler(this, 10 * static_cast<int64_t>(scrolledTo));
    }
}

void ScrollBar::SetHorizontal(bool value)
{
    horizontal = value;
    vertical = !value;
    Reshow();
}

void ScrollBar::SetVertical(bool value)
{
    vertical = value;
    horizontal = !value;
    Reshow();
}

ScrollBarPages ScrollBar::GetPages() const
{
    return PagesOf(vertical, Point{width, height}, range_, value);
}

bool ScrollBar::SetValueFromPoint(int pointerX, int pointerY)
{
    const int along = Along(Point{pointerX, pointerY});
    for (size_t cell = 0; cell < ticks.size(); ++cell) {
        const int cellEnd = Along(ticks[cell]) + paintedPages_.CellLength(static_cast<int>(cell));
        if (cellEnd < along) {
            continue;
        }
        const int page = paintedPages_.CellPage(static_cast<int>(cell));
        const int chosen = paintedPages_.PageValue(range_, page);
        if (chosen == value) {
            return false;
        }
        value = chosen;
        FireScroll(value);
        return true;
    }
    return false;
}

void ScrollBar::MouseDown(Point point)
{
    ElementWatch<ScrollBar> self(this);
    if (enabled) {
        dragging = true;
        PressAt(point);
    }
    if (self) {
        RangeControl::MouseDown(point);
    }
}

// Before an arrow zone a page back, beyond the other a page on, on the track the page under the
// point. Before the first paint there is nothing to hit.
void ScrollBar::PressAt(Point point)
{
    if (ticks.empty()) {
        return;
    }
    const int along = Along(point);
    const int trackEnd =
        Along(ticks.back()) + paintedPages_.CellLength(paintedPages_.cellCount - 1);
    if (along < Along(ticks.front())) {
        KeyDown(vertical ? XK_Up : XK_Left);
    } else if (along > trackEnd) {
        KeyDown(vertical ? XK_Down : XK_Right);
    } else {
        ElementWatch<ScrollBar> self(this);
        if (SetValueFromPoint(point.x, point.y) && self) {
            Paint();
        }
    }
}

void ScrollBar::MouseMove(int pointerX, int pointerY)
{
    ElementWatch<ScrollBar> self(this);
    if (dragging && SetValueFromPoint(pointerX, pointerY) && self) {
        Paint();
    }
    if (self) {
        RangeControl::MouseMove(pointerX, pointerY);
    }
}

void ScrollBar::KeyDown(KeySym keysym)
{
    if (!enabled || !hasFocus || !IsArrowKey(keysym)) {
        return;
    }
    const ScrollBarPages pages = GetPages();
    const bool back = keysym == XK_Left || keysym == XK_Up;
    const int page = back ? std::max(pages.currentPage - 1, 0)
                          : std::min(pages.currentPage + 1, pages.pageCount - 1);
    const int chosen = pages.PageValue(range_, page);
    if (chosen == value) {
        return;
    }
    value = chosen;
    Paint();
    FireScroll(value);
}

int64_t ScrollBar::Ink() const
{
    return enabled ? 0x000000 : kDisabledInk;
}

void ScrollBar::Paint()
{
    if (Application::loading || !created) {
        return;
    }
    const Point size = ScrollBarSize(vertical, Point{width, height});
    width = size.x;
    height = size.y;
    const Point at = WindowPosition();
    PlaceTicks(at);
    Form* form = PaintableForm();
    if (!form) {
        return;
    }
    GraphicsContext gc(form);
    const int64_t ink = Ink();
    const int right = at.x + width;
    const int bottom = at.y + height;
    gc.FillRectangle(at.x, at.y, width, height, FaceColor(this));
    gc.DrawLine(at.x, at.y, right, at.y, kHighlight);
    gc.DrawLine(at.x, at.y, at.x, bottom, kHighlight);
    gc.DrawLine(right, at.y, right, bottom, ink);
    gc.DrawLine(at.x, bottom, right, bottom, ink);
    DrawArrows(gc, at);
    DrawPageBlock(gc, at);
}

void ScrollBar::PlaceTicks(Point at)
{
    paintedPages_ = GetPages();
    ticks.clear();
    for (int cell = 0; cell < paintedPages_.cellCount; ++cell) {
        const int start = kScrollBarArrowZone + paintedPages_.CellStart(cell);
        ticks.push_back(vertical ? Point{at.x, at.y + start} : Point{at.x + start, at.y});
    }
}

void ScrollBar::DrawArrows(GraphicsContext& gc, Point at)
{
    const int left = at.x;
    const int top = at.y;
    const int right = at.x + width;
    const int bottom = at.y + height;
    XPoint first[3];
    XPoint second[3];
    if (vertical) {
        const int middle = left + width / 2;
        first[0] = Corner(middle, top + kArrowInset);
        first[1] = Corner(right - kArrowInset, top + kArrowLength);
        first[2] = Corner(left + kArrowInset, top + kArrowLength);
        second[0] = Corner(middle, bottom - kArrowInset);
        second[1] = Corner(right - kArrowInset, bottom - kArrowLength);
        second[2] = Corner(left + kArrowInset, bottom - kArrowLength);
    } else {
        const int middle = top + height / 2;
        first[0] = Corner(left + kArrowInset, middle);
        first[1] = Corner(left + kArrowLength, top + kArrowInset);
        first[2] = Corner(left + kArrowLength, bottom - kArrowInset);
        second[0] = Corner(right - kArrowInset, middle);
        second[1] = Corner(right - kArrowLength, top + kArrowInset);
        second[2] = Corner(right - kArrowLength, bottom - kArrowInset);
    }
    gc.FillPolygon(first, 3, 1, kHighlight, Ink());
    gc.FillPolygon(second, 3, 1, kHighlight, Ink());
}

// One page is all there is: no block.
void ScrollBar::DrawPageBlock(GraphicsContext& gc, Point at)
{
    const ScrollBarPages& pages = paintedPages_;
    if (pages.pageCount <= 1) {
        return;
    }
    const int start = kScrollBarArrowZone + pages.CellStart(pages.currentCell);
    const int length = pages.CellLength(pages.currentCell);
    if (vertical) {
        gc.FillRectangle(at.x + kBlockInset, at.y + start, width - kBlockInset, length, Ink());
    } else {
        gc.FillRectangle(at.x + start, at.y + kBlockInset, length, height - kBlockInset, Ink());
    }
}

}  // namespace tarnbrook
