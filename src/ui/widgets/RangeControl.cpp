#include "ui/widgets/RangeControl.h"

#include <X11/keysym.h>

#include "app/ElementWatch.h"

namespace tarnbrook {

namespace {

constexpr char kSpace = ' ';

}  // namespace

RangeControl::RangeControl(GUIElement* container, const std::string& kindName,
                           ValueRange valueRange, int initialValue, bool isVertical)
    : PaintedChild(container, kindName, true),
      range_(valueRange),
      value(initialValue),
      vertical(isVertical)
{}

bool RangeControl::IsArrowKey(KeySym keysym)
{
    return keysym == XK_Left || keysym == XK_Up || keysym == XK_Right || keysym == XK_Down;
}

void RangeControl::MouseUp(Point point)
{
    dragging = false;
    PaintedChild::MouseUp(point);
}

bool RangeControl::KeyChar(char character)
{
    ElementWatch<RangeControl> self(this);
    if (enabled && hasFocus && character == kSpace) {
        KeyDown(XK_Down);
    }
    return self ? PaintedChild::KeyChar(character) : true;
}

void RangeControl::SetFocus()
{
    PaintedChild::SetFocus();
    Paint();
}

void RangeControl::GotFocus()
{
    ElementWatch<RangeControl> self(this);
    PaintedChild::GotFocus();
    if (self) {
        Paint();
    }
}

void RangeControl::LostFocus()
{
    ElementWatch<RangeControl> self(this);
    PaintedChild::LostFocus();
    if (self) {
        dragging = false;
        Paint();
    }
}

}  // namespace tarnbrook
