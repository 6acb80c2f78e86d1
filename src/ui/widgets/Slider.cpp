#include "ui/widgets/Slider.h"

#include <X11/keysym.h>

#include <string>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/widgets/SliderGeometry.h"
#include "ui/widgets/WidgetDrawing.h"

namespace tarnbrook {

namespace {

constexpr int kTickReach = 3;   // a tick runs this far either side of the track
constexpr int kThumbTip = 5;    // from the track to the thumb's tip
constexpr int kThumbBase = 15;  // from the track to the thumb's base
constexpr int kThumbHalfWidth = 10;
constexpr int kTickSlack = 2;  // a point this far past a tick still takes it

}  // namespace

Slider::Slider(GUIElement* container, bool vertical, int minimum, int maximum)
    : RangeControl(container, "slider", ValueRange(minimum, maximum), 0, vertical)
{
    value = range_.Minimum();
}

void Slider::SetSize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    Paint();
}

void Slider::SetPosition(int newX, int newY)
{
    x = newX;
    y = newY;
    Paint();
}

void Slider::Enable(bool value)
{
    enabled = value;
    Paint();
}

void Slider::SetValue(int newValue)
{
    value = range_.Clamp(newValue);
    Paint();
}

void Slider::SetForeColor(int64_t color)
{
    foreColor = color;
    Paint();
}

void Slider::SetShowLabels(bool value)
{
    showLabels = value;
    RepaintIfCreated();
}

void Slider::FireChange()
{
    ElementWatch<Slider> self(this);
    if (changeHandler) {
        changeHandler(this, value);
    }
    if (self && OnChange) {
        OnChange(this);
    }
}

bool Slider::SetValueFromPoint(int pointerX, int pointerY)
{
    const int along = Along(Point{pointerX, pointerY});
    for (size_t i = 0; i < ticks.size(); ++i) {
        if (Along(ticks[i]) + kTickSlack < along) {
            continue;
        }
        const int chosen = TickValue(static_cast<int>(i));
        if (chosen == value) {
            return false;
        }
        value = chosen;
        FireChange();
        return true;
    }
    return false;
}

void Slider::MouseDown(Point point)
{
    ElementWatch<Slider> self(this);
    if (enabled) {
        dragging = true;
        if (SetValueFromPoint(point.x, point.y) && self) {
            Paint();
        }
    }
    if (self) {
        RangeControl::MouseDown(point);
    }
}

void Slider::MouseMove(int pointerX, int pointerY)
{
    ElementWatch<Slider> self(this);
    if (dragging && SetValueFromPoint(pointerX, pointerY) && self) {
        Paint();
    }
    if (self) {
        RangeControl::MouseMove(pointerX, pointerY);
    }
}

void Slider::KeyDown(KeySym keysym)
{
    if (!enabled || !hasFocus || !IsArrowKey(keysym)) {
        return;
    }
    StepValue(keysym == XK_Right || keysym == XK_Down ? 1 : -1);
}

void Slider::StepValue(int step)
{
    const int before = value;
    if (step > 0) {
        value = value >= range_.Maximum() ? range_.Minimum() : value + 1;
    } else {
        value = value <= range_.Minimum() ? range_.Maximum() : value - 1;
    }
    Paint();
    if (value != before) {
        FireChange();
    }
}

int64_t Slider::Ink() const
{
    return enabled ? foreColor : kDisabledInk;
}

int Slider::TickValue(int tick) const
{
    const int gaps = static_cast<int>(ticks.size()) - 1;
    return static_cast<int>(range_.Minimum() + SliderTickSteps(tick, gaps, range_.Steps()));
}

size_t Slider::ThumbTick() const
{
    const int gaps = static_cast<int>(ticks.size()) - 1;
    const int64_t fromMinimum = static_cast<int64_t>(value) - range_.Minimum();
    return static_cast<size_t>(SliderTickOfSteps(fromMinimum, gaps, range_.Steps()));
}

void Slider::Paint()
{
    if (Application::loading || !created) {
        return;
    }
    const Point size = SliderSize(vertical, Point{width, height}, range_.Steps());
    width = size.x;
    height = size.y;
    const Point at = WindowPosition();
    PlaceTicks(at);
    Form* form = PaintableForm();
    if (!form) {
        return;
    }
    GraphicsContext gc(form);
    const int64_t face = FaceColor(this);
    gc.FillRectangle(at.x, at.y, width + 1, height + 1, face);
    if (vertical) {
        DrawVertical(gc, at, face);
    } else {
        DrawHorizontal(gc, at, face);
    }
    if (hasFocus && enabled) {
        DrawFocusRectangle(gc, at);
    }
}

void Slider::PlaceTicks(Point at)
{
    ticks.clear();
    const int length = SliderTrackLength(vertical, Point{width, height});
    for (int offset : SliderTickOffsets(length, range_.Steps())) {
        if (vertical) {
            ticks.push_back(Point{at.x + (width + 1) / 2, at.y + kSliderLabelHeight + offset});
        } else {
            ticks.push_back(Point{at.x + kSliderLabelWidth + offset, at.y + (height + 1) / 2});
        }
    }
}

void Slider::DrawHorizontal(GraphicsContext& gc, Point at, int64_t face)
{
    const int64_t ink = Ink();
    if (showLabels) {
        gc.DrawText(at.x, at.y, kSliderLabelWidth, height, std::to_string(range_.Minimum()), ink,
                    face, TextAlign::Centre);
        gc.DrawText(at.x + width - kSliderLabelWidth + 1, at.y, kSliderLabelWidth, height,
                    std::to_string(range_.Maximum()), ink, face, TextAlign::Centre);
    }
    const size_t thumb = ThumbTick();
    const int ym = ticks.front().y;
    const int x0 = ticks.front().x;
    const int x1 = ticks.back().x;
    gc.DrawLine(x0, ym, x1, ym, ink);
    gc.DrawLine(x0, ym + 1, x1, ym + 1, kHighlight);
    for (size_t i = 0; i < ticks.size(); ++i) {
        const int tx = ticks[i].x;
        gc.DrawLine(tx, ym - kTickReach, tx, ym + kTickReach, ink);
        gc.DrawLine(tx + 1, ym - kTickReach, tx + 1, ym + kTickReach, kHighlight);
        if (i == thumb) {
            DrawThumb(gc, ticks[i]);
        }
    }
}

void Slider::DrawVertical(GraphicsContext& gc, Point at, int64_t face)
{
    const int64_t ink = Ink();
    if (showLabels) {
        gc.DrawText(at.x, at.y, width + 1, kSliderLabelHeight, std::to_string(range_.Minimum()),
                    ink, face, TextAlign::Centre);
        gc.DrawText(at.x, at.y + height - kSliderLabelHeight, width + 1, kSliderLabelHeight,
                    std::to_string(range_.Maximum()), ink, face, TextAlign::Centre);
    }
    const size_t thumb = ThumbTick();
    const int xm = ticks.front().x;
    const int y0 = ticks.front().y;
    const int y1 = ticks.back().y;
    gc.DrawLine(xm + 1, y0, xm + 1, y1, kHighlight);
    gc.DrawLine(xm, y0, xm, y1, ink);
    for (size_t i = 0; i < ticks.size(); ++i) {
        const int ty = ticks[i].y;
        gc.DrawLine(xm - kTickReach, ty, xm + kTickReach, ty, ink);
        gc.DrawLine(xm - kTickReach, ty + 1, xm + kTickReach, ty + 1, kHighlight);
        if (i == thumb) {
            DrawThumb(gc, ticks[i]);
        }
    }
}

// A triangle pointing at the tick: from above a horizontal track, from the right of a vertical.
void Slider::DrawThumb(GraphicsContext& gc, Point tick)
{
    XPoint corners[3];
    if (vertical) {
        corners[0] = XPoint{static_cast<short>(tick.x + kThumbTip), static_cast<short>(tick.y)};
        corners[1] = XPoint{static_cast<short>(tick.x + kThumbBase),
                            static_cast<short>(tick.y - kThumbHalfWidth)};
        corners[2] = XPoint{static_cast<short>(tick.x + kThumbBase),
                            static_cast<short>(tick.y + kThumbHalfWidth)};
    } else {
        corners[0] = XPoint{static_cast<short>(tick.x), static_cast<short>(tick.y - kThumbTip)};
        corners[1] = XPoint{static_cast<short>(tick.x + kThumbHalfWidth),
                            static_cast<short>(tick.y - kThumbBase)};
        corners[2] = XPoint{static_cast<short>(tick.x - kThumbHalfWidth),
                            static_cast<short>(tick.y - kThumbBase)};
    }
    gc.FillPolygon(corners, 3, 1, kHighlight, Ink());
}

void Slider::DrawFocusRectangle(GraphicsContext& gc, Point at)
{
    const int64_t ink = Ink();
    const int right = at.x + width - 1;
    DrawDashed(gc, Point{at.x, at.y + 1}, Point{right, at.y + 1}, ink);
    DrawDashed(gc, Point{at.x, at.y + height - 2}, Point{at.x, at.y}, ink);
    DrawDashed(gc, Point{right, at.y + 1}, Point{right, at.y + height - 1}, ink);
    DrawDashed(gc, Point{at.x, at.y + height - 2}, Point{right, at.y + height - 2}, ink);
}

}  // namespace tarnbrook
