#include "ui/widgets/OptionBox.h"

#include <X11/keysym.h>

#include <algorithm>

#include "app/ElementWatch.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/widgets/MarkPictures.h"
#include "ui/widgets/WidgetDrawing.h"

namespace tarnbrook {

namespace {

constexpr int kMarkLeft = 1;
constexpr int kMarkTop = 6;  // from the row's top
constexpr int kCaptionLeft = 28;
constexpr int kCaptionMargin = 30;  // the caption's box is this much narrower than the element
constexpr int64_t kTransparent = 0x000000;
constexpr char kSpace = ' ';

}  // namespace

OptionBox::OptionBox(GUIElement* container)
    : PaintedChild(container, "optionbox", true), pictures_(OptionMarkPicture)
{
    width = 80;
    height = 30;
}

void OptionBox::SetSize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    Paint();
}

void OptionBox::SetPosition(int newX, int newY)
{
    x = newX;
    y = newY;
    Paint();
}

int OptionBox::GetSelectedIndex() const
{
    return selectedIndex;
}

bool OptionBox::SetSelectedIndex(int index)
{
    index = std::max(index, 0);
    if (index >= GetItemCount()) {
        return false;
    }
    selectedIndex = index;
    Paint();
    return true;
}

// An option removed before the selected one moves the selection with the option it names;
// removing the selected last option selects the one before it.
bool OptionBox::RemoveItem(int index)
{
    const int count = GetItemCount();
    if (index < 0 || index >= count) {
        return false;
    }
    captions.erase(captions.begin() + index);
    values.erase(values.begin() + index);
    if (index < selectedIndex || selectedIndex >= count - 1) {
        --selectedIndex;
    }
    Paint();
    return true;
}

void OptionBox::AddItem(const std::string& caption, const std::string& value)
{
    captions.push_back(caption);
    values.push_back(value);
    Paint();
}

int OptionBox::GetItemCount() const
{
    return static_cast<int>(captions.size());
}

std::string OptionBox::GetItemCaption(int index) const
{
    return GetCaption(index);
}

std::string OptionBox::GetItemValue(int index) const
{
    return GetValue(index);
}

const std::string& OptionBox::Pick(const std::vector<std::string>& items, int index)
{
    static const std::string kNone;
    if (items.empty()) {
        return kNone;
    }
    const bool inside = index >= 0 && index < static_cast<int>(items.size());
    return inside ? items[static_cast<size_t>(index)] : items.back();
}

std::string OptionBox::GetCaption(int index) const
{
    return Pick(captions, index);
}

std::string OptionBox::GetValue(int index) const
{
    return Pick(values, index);
}

bool OptionBox::OptionReserved83()
{
    return false;
}

bool OptionBox::Clear()
{
    captions.clear();
    values.clear();
    selectedIndex = -1;
    return true;
}

void OptionBox::SelectFirst()
{
    if (GetItemCount() > 0) {
        SetSelectedIndex(0);
    }
}

void OptionBox::Enable(bool value)
{
    enabled = value;
    Paint();
}

void OptionBox::SetForeColor(int64_t color)
{
    foreColor = color;
    Paint();
}

void OptionBox::Announce()
{
    Paint();
    FlushDisplay();
    FireCommand(this);
}

void OptionBox::MouseUp(Point point)
{
    ElementWatch<OptionBox> self(this);
    if (enabled) {
        const int row = std::max(point.y - WindowPosition().y, 0) / kRowHeight;
        selectedIndex = std::min(row, GetItemCount() - 1);
        Announce();
    }
    if (self) {
        PaintedChild::MouseUp(point);
    }
}

// A press changes nothing and has no callback: the box acts on the release.
void OptionBox::MouseDown(Point) {}

// Up and Down wrap around the list; other keys, and the user's OnKeyDown, are not served.
void OptionBox::KeyDown(KeySym keysym)
{
    if (!enabled || !hasFocus || (keysym != XK_Down && keysym != XK_Up)) {
        return;
    }
    const int count = GetItemCount();
    if (count > 0 && keysym == XK_Down) {
        selectedIndex = selectedIndex + 1 < count ? selectedIndex + 1 : 0;
    } else if (count > 0) {
        selectedIndex = selectedIndex > 0 ? selectedIndex - 1 : count - 1;
    }
    Announce();
}

bool OptionBox::KeyChar(char character)
{
    ElementWatch<OptionBox> self(this);
    if (enabled && hasFocus && character == kSpace) {
        KeyDown(XK_Down);
    }
    return self ? PaintedChild::KeyChar(character) : true;
}

void OptionBox::GotFocus()
{
    ElementWatch<OptionBox> self(this);
    PaintedChild::GotFocus();
    if (self) {
        Paint();
    }
}

void OptionBox::LostFocus()
{
    ElementWatch<OptionBox> self(this);
    PaintedChild::LostFocus();
    if (self) {
        Paint();
    }
}

// The marks are put through a copy with black as the transparent colour, so the pictures keep
// their transparency and each mark shows the face it is drawn on now.
void OptionBox::Paint()
{
    Form* form = PaintTarget();
    if (!form) {
        return;
    }
    height = std::max(height, kRowHeight * GetItemCount());
    const Point at = WindowPosition();
    const int64_t face = FaceColor(this);
    const int64_t ink = enabled ? foreColor : kDisabledInk;
    GraphicsContext gc(form);
    gc.FillRectangle(at.x, at.y, width + 1, height + 1, face);
    for (int i = 0; i < GetItemCount(); ++i) {
        const int top = at.y + kRowHeight * i;
        if (XImage* mark = pictures_.Get(this, enabled, i == selectedIndex)) {
            gc.PutImagePartKeyed(at.x + kMarkLeft, top + kMarkTop, kMarkSize, kMarkSize, mark, 0, 0,
                                 kTransparent);
        }
        // The caption's box ends on the row's last line: its background stays inside.
        gc.DrawText(at.x + kCaptionLeft, top + 1, width - kCaptionMargin, kRowHeight - 1,
                    captions[static_cast<size_t>(i)], ink, face, TextAlign::Left);
    }
    if (hasFocus && enabled) {
        DrawFocusRectangle(gc, at, selectedIndex >= 0 ? selectedIndex : 0);
    }
}

// The right edge stops on the element's last row, so that no dash is left below it once the
// focus has gone.
void OptionBox::DrawFocusRectangle(GraphicsContext& gc, Point at, int row)
{
    const int top = at.y + kRowHeight * row;
    const int left = at.x + 25;
    const int right = at.x + width - 6;
    const int bottom = top + 25;
    DrawDashed(gc, Point{left, top + 2}, Point{right, top + 2}, foreColor);
    DrawDashed(gc, Point{left, bottom}, Point{left, top + 1}, foreColor);
    DrawDashed(gc, Point{right, top + 2}, Point{right, std::min(top + 26, at.y + height - 1)},
               foreColor);
    DrawDashed(gc, Point{left, bottom}, Point{right, bottom}, foreColor);
}

}  // namespace tarnbrook
