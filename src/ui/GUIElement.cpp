#include "ui/GUIElement.h"

#include "app/Application.h"
#include "app/ElementWatch.h"

namespace tarnbrook {

namespace {
// A second MouseUp within this many milliseconds of the first is a double click.
const int64_t kDoubleClickMs = 999;
}

GUIElement::GUIElement(GUIElement* owner) : owner(owner)
{
    lastClickTime.SetNow();
    Application::RegisterElement(this);
}

GUIElement::~GUIElement()
{
    // Child and Form unregister already; this only catches what they did not.
    Application::ForgetElement(this);
}

int GUIElement::GetWidth() const
{
    return width;
}

int GUIElement::GetClientWidth()
{
    return width;
}

int GUIElement::GetHeight() const
{
    return height;
}

int GUIElement::GetClientHeight()
{
    return height;
}

Point GUIElement::GetPosition()
{
    return Point{x, y};
}

Point GUIElement::GetSize() const
{
    return Point{width, height};
}

Point GUIElement::GetExtent() const
{
    return Point{width, height};
}

void GUIElement::SetSize(int newWidth, int newHeight)
{
    if (newWidth == width && newHeight == height) {
        return;
    }
    width = newWidth;
    height = newHeight;
    if (created) {
        ApplySize();
    }
}

void GUIElement::SetPosition(int newX, int newY)
{
    x = newX;
    y = newY;
    if (created) {
        ApplyPosition();
    }
}

void GUIElement::Move(int newX, int newY)
{
    SetPosition(newX < 0 ? 0 : newX, newY < 0 ? 0 : newY);
}

void GUIElement::SetLocation(Point point)
{
    SetPosition(point.x, point.y);
}

void GUIElement::SetBackColor(int64_t color)
{
    backColor = color;
    if (created) {
        Paint();
    }
}

int64_t GUIElement::GetBackColor() const
{
    return backColor;
}

void GUIElement::Show()
{
    if (!created) {
        Create();
    }
    visible = true;
}

void GUIElement::ShowMapped()
{
    Show();
}

void GUIElement::Hide()
{
    if (created) {
        visible = false;
    }
}

bool GUIElement::IsVisible() const
{
    return visible;
}

bool GUIElement::IsCreated() const
{
    return created;
}

void GUIElement::Reserved18() {}

void GUIElement::SetEnabled(bool value)
{
    enabled = value;
}

bool GUIElement::IsEnabled() const
{
    return enabled;
}

void GUIElement::AddChild(GUIElement* element)
{
    if (created && element) {
        OnChildAdded(element);
    }
}

void GUIElement::BringToFront()
{
    if (created) {
        ApplyRaise();
    }
}

void GUIElement::Raise()
{
    BringToFront();
}

void GUIElement::SendToBack()
{
    if (created) {
        ApplyLower();
    }
}

void GUIElement::SetTag(const std::string& value)
{
    tag = value;
}

std::string GUIElement::GetTag() const
{
    return tag;
}

void GUIElement::SetFont(const FontDescriptor& value)
{
    font = value;
    if (created) {
        ApplyFont();
    }
}

FontDescriptor& GUIElement::GetFont()
{
    return font;
}

bool GUIElement::IsTabStop() const
{
    return tabStop;
}

bool GUIElement::IsDrawable() const
{
    return drawable;
}

bool GUIElement::IsChild() const
{
    return isChild;
}

bool GUIElement::Contains(Point point) const
{
    if (!created || !visible) {
        return false;
    }
    return x <= point.x && point.x <= x + width && y <= point.y && point.y <= y + height;
}

void GUIElement::SetText(const std::string& value)
{
    text = value;
}

std::string GUIElement::GetText() const
{
    return text;
}

std::string GUIElement::GetValueText() const
{
    return GetText();
}

void GUIElement::MouseUp(Point point)
{
    ElementWatch<GUIElement> self(this);
    if (OnMouseUp) {
        OnMouseUp(this, userValue, point);
        if (!self) {
            return;
        }
    }
    DateTime now;
    now.SetNow();
    const bool doubleClick = lastClickTime.MillisecondsUntil(now) <= kDoubleClickMs;
    lastClickTime = now;
    if (doubleClick) {
        DblClick(point);
    }
}

void GUIElement::MouseDown(Point point)
{
    if (OnMouseDown) {
        OnMouseDown(this, userValue, point);
    }
}

void GUIElement::DblClick(Point point)
{
    if (OnDblClick) {
        OnDblClick(this, userValue, point);
    }
}

void GUIElement::OtherMouseUp(Point point)
{
    if (OnOtherMouseUp) {
        OnOtherMouseUp(this, userValue, point);
    }
}

void GUIElement::OtherMouseDown(Point point)
{
    if (OnOtherMouseDown) {
        OnOtherMouseDown(this, userValue, point);
    }
}

void GUIElement::ExtraMouseEvent(int64_t argument)
{
    if (OnExtraMouseEvent) {
        OnExtraMouseEvent(this, userValue, argument);
    }
}

void GUIElement::KeyUp(KeySym keysym)
{
    if (OnKeyUp) {
        OnKeyUp(this, keysym);
    }
}

void GUIElement::KeyDown(KeySym keysym)
{
    if (OnKeyDown) {
        OnKeyDown(this, keysym);
    }
}

bool GUIElement::KeyChar(char character)
{
    return OnKeyChar ? OnKeyChar(this, character) : true;
}

void GUIElement::MouseMove(int pointerX, int pointerY)
{
    if (OnMouseMove) {
        OnMouseMove(this, pointerX, pointerY);
    }
}

void GUIElement::CustomEvent1(int64_t first, int64_t second)
{
    if (OnCustomEvent1) {
        OnCustomEvent1(this, first, second);
    }
}

void GUIElement::CustomEvent2(int64_t first, int64_t second)
{
    if (OnCustomEvent2) {
        OnCustomEvent2(this, first, second);
    }
}

void GUIElement::SetFocus()
{
    hasFocus = true;
}

void GUIElement::Moved()
{
    if (OnMove) {
        OnMove(this);
    }
}

void GUIElement::Resized()
{
    SetBackColor(GetBackColor());
    if (OnResize) {
        OnResize(this);
    }
}

void GUIElement::Paint() {}

bool GUIElement::QueryClose()
{
    return OnQueryClose ? OnQueryClose(this) : true;
}

void GUIElement::Close()
{
    ElementWatch<GUIElement> self(this);
    if (OnClose) {
        OnClose(this);
    }
    if (self) {
        closed = true;
    }
}

void GUIElement::GotFocus()
{
    hasFocus = true;
    savedText = GetValueText();
    if (OnGotFocus) {
        OnGotFocus(this);
    }
}

void GUIElement::LostFocus()
{
    hasFocus = false;
    ElementWatch<GUIElement> self(this);
    if (OnLostFocus) {
        OnLostFocus(this);
        if (!self) {
            return;
        }
    }
    if (OnChange && GetValueText() != savedText) {
        OnChange(this);
    }
}

void GUIElement::MouseEnter()
{
    if (OnMouseEnter) {
        OnMouseEnter(this);
    }
}

void GUIElement::MouseLeave()
{
    if (OnMouseLeave) {
        OnMouseLeave(this);
    }
}

void GUIElement::Load(int64_t value)
{
    if (userValue == 0) {
        userValue = value;
    }
    if (loaded) {
        return;
    }
    // Marked first, so that a Load reached again from inside OnLoad does not call it twice.
    loaded = true;
    if (OnLoad) {
        OnLoad(this, userValue);
    }
}

void GUIElement::RefreshBackColor()
{
    if (created) {
        ApplyBackColor();
    }
}

bool GUIElement::IsFlagA() const
{
    return flagA;
}

bool GUIElement::IsFlagB() const
{
    return flagB;
}

void GUIElement::SetFlagA(bool value)
{
    flagA = value;
    if (value) {
        flagB = false;
    }
}

void GUIElement::SetFlagB(bool value)
{
    flagB = value;
    if (value) {
        flagA = false;
    }
}

void GUIElement::Reserved64() {}

int64_t* GUIElement::GetUserValueRef()
{
    return &userValue;
}

void GUIElement::ApplyPosition() {}

void GUIElement::ApplySize() {}

void GUIElement::ApplyBackColor() {}

void GUIElement::ApplyRaise() {}

void GUIElement::ApplyLower() {}

void GUIElement::OnChildAdded(GUIElement*) {}

void GUIElement::ApplyFont() {}

void GUIElement::AssignId()
{
    if (id == 0) {
        id = ++Application::idCounter;
        userValue = id;
    }
    if (created) {
        ApplyFont();
    }
}

}  // namespace tarnbrook
