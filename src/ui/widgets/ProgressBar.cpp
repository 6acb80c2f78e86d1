#include "ui/widgets/ProgressBar.h"

#include <algorithm>

#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/widgets/WidgetDrawing.h"

namespace tarnbrook {

namespace {

constexpr int64_t kShadow = 0x000000;  // top and left edges of the bevel
constexpr int64_t kLight = 0xFFFFFF;   // right and bottom edges

}  // namespace

ProgressBar::ProgressBar(GUIElement* container, int minimum, int maximum)
    : PaintedChild(container, "progressbar", false),
      minimum_(minimum),
      maximum_(maximum),
      value_(minimum)
{
    width = 190;
    height = 25;
}

int ProgressBar::BarWidth(int inside, int minimum, int maximum, int value)
{
    if (maximum == minimum || inside <= 0) {
        return 0;
    }
    const double fraction =
        (static_cast<double>(value) - minimum) / (static_cast<double>(maximum) - minimum);
    if (fraction <= 0) {
        return 0;
    }
    return static_cast<int>(std::min(inside * fraction, static_cast<double>(inside)));
}

void ProgressBar::SetValue(int newValue)
{
    if (newValue == value_) {
        return;
    }
    if (newValue < minimum_) {
        newValue = minimum_;
    } else if (newValue > maximum_) {
        newValue = maximum_;
    }
    value_ = newValue;
    RepaintIfCreated();
}

void ProgressBar::SetBevel(bool value)
{
    bevel_ = value;
    RepaintIfCreated();
}

void ProgressBar::Paint()
{
    Form* form = PaintTarget();
    if (!form) {
        return;
    }
    const Point at = WindowPosition();
    GraphicsContext gc(form);
    gc.FillRectangle(at.x, at.y, width + 1, height + 1, OwnOrDefaultBackColor(this));
    if (bevel_) {
        gc.DrawBevel(at.x, at.y, width, height, kShadow, kLight);
    }
    const int bar = BarWidth(width - 2, minimum_, maximum_, value_);
    if (bar > 0) {
        gc.FillRectangle(at.x + 1, at.y + 1, bar + 1, height - 1, kBarColor);
    }
}

}  // namespace tarnbrook
