#include "ui/widgets/CheckBox.h"

#include <algorithm>

#include "app/ElementWatch.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/widgets/MarkPictures.h"
#include "ui/widgets/WidgetDrawing.h"

namespace tarnbrook {

namespace {

constexpr int kLowest = 22;         // the box and a pixel of room above and below it
constexpr int kCaptionLeft = 26;    // from the element's left edge
constexpr int kCaptionMargin = 30;  // the caption's box is this much narrower than the element
constexpr char kSpace = ' ';

}  // namespace

CheckBox::CheckBox(GUIElement* container, const std::string& caption)
    : PaintedChild(container, "checkbox", true), pictures_(TickBoxPicture)
{
    text = caption;
    width = 80;
    height = 30;
}

void CheckBox::SetSize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    Paint();
}

void CheckBox::SetPosition(int newX, int newY)
{
    x = newX;
    y = newY;
    Paint();
}

void CheckBox::SetText(const std::string& caption)
{
    text = caption;
    Paint();
}

void CheckBox::Enable(bool value)
{
    enabled = value;
    Paint();
}

void CheckBox::SetForeColor(int64_t color)
{
    foreColor = color;
    Paint();
}

void CheckBox::SetChecked(bool value)
{
    checked = value;
    Paint();
}

bool CheckBox::Toggle()
{
    checked = !checked;
    Paint();
    FlushDisplay();
    ElementWatch<CheckBox> self(this);
    FireCommand(this);
    return static_cast<bool>(self);
}

void CheckBox::MouseUp(Point point)
{
    if (enabled && !Toggle()) {
        return;
    }
    PaintedChild::MouseUp(point);
}

// A press changes nothing and has no callback: the box acts on the release.
void CheckBox::MouseDown(Point) {}

void CheckBox::KeyDown(KeySym) {}

bool CheckBox::KeyChar(char character)
{
    if (enabled && hasFocus && character == kSpace && !Toggle()) {
        return true;
    }
    return PaintedChild::KeyChar(character);
}

void CheckBox::GotFocus()
{
    ElementWatch<CheckBox> self(this);
    PaintedChild::GotFocus();
    if (self) {
        Paint();
    }
}

void CheckBox::LostFocus()
{
    ElementWatch<CheckBox> self(this);
    PaintedChild::LostFocus();
    if (self) {
        Paint();
    }
}

void CheckBox::Paint()
{
    Form* form = PaintTarget();
    if (!form) {
        return;
    }
    height = std::max(height, kLowest);
    const Point at = WindowPosition();
    const int64_t face = FaceColor(this);
    GraphicsContext gc(form);
    gc.FillRectangle(at.x, at.y, width + 1, height + 1, face);
    if (XImage* box = pictures_.Get(this, enabled, checked)) {
        gc.PutImage(at.x + 1, at.y + 1, kMarkSize, kMarkSize, box);
    }
    // The caption's box ends on the element's last row: its background stays inside.
    gc.DrawText(at.x + kCaptionLeft, at.y + 1, width - kCaptionMargin, height - 1, text,
                enabled ? foreColor : kDisabledInk, face, TextAlign::Left);
    if (hasFocus && enabled) {
        DrawFocusRectangle(gc, at);
    }
}

// The right edge stops on the last row of the box, so that no dash is left below it once the
// focus has gone.
void CheckBox::DrawFocusRectangle(GraphicsContext& gc, Point at)
{
    const int left = at.x + 23;
    const int right = at.x + width - 8;
    const int bottom = at.y + height - 1;
    DrawDashed(gc, Point{left, at.y + 2}, Point{right, at.y + 2}, foreColor);
    DrawDashed(gc, Point{left, bottom}, Point{left, at.y + 1}, foreColor);
    DrawDashed(gc, Point{right, at.y + 2}, Point{right, bottom}, foreColor);
    DrawDashed(gc, Point{left, bottom}, Point{right, bottom}, foreColor);
}

}  // namespace tarnbrook
