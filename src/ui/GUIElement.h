#pragma once

#include <X11/X.h>

#include <cstdint>
#include <string>

#include "gfx/FontDescriptor.h"
#include "ui/Point.h"
#include "util/DateTime.h"

namespace tarnbrook {

// The abstract base of everything the toolkit shows or schedules. It holds the geometry,
// colours, texts, font, flags and event callbacks, and defines the virtual operations through
// which the event loop delivers events.
//
// Set-then-apply: a setter stores the value and, only once the element is created, calls the
// matching Apply operation; values set before creation are applied by Create. Event operations
// call the matching callback when one is set.
//
// The virtual operations are declared in a fixed slot order (0 to 73); subclasses add their own
// after them. Do not reorder.
class GUIElement {
public:
    // Callbacks: plain functions; the element is always the first argument.
    using LoadCallback = void (*)(GUIElement* element, int64_t userValue);
    using MouseCallback = void (*)(GUIElement* element, int64_t userValue, Point point);
    using ExtraMouseCallback = void (*)(GUIElement* element, int64_t userValue, int64_t argument);
    using KeyCallback = void (*)(GUIElement* element, KeySym keysym);
    using KeyCharCallback = bool (*)(GUIElement* element, char character);
    using EventCallback = void (*)(GUIElement* element);
    using QueryCallback = bool (*)(GUIElement* element);
    using MouseMoveCallback = void (*)(GUIElement* element, int x, int y);
    using CustomCallback = void (*)(GUIElement* element, int64_t first, int64_t second);

    static constexpr int64_t NoBackColor = -1;

    virtual ~GUIElement();
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // 0 to 10: geometry.
    virtual int GetWidth() const;
    virtual int GetClientWidth();
    virtual int GetHeight() const;
    virtual int GetClientHeight();
    virtual Point GetPosition();
    virtual Point GetSize() const;
    virtual Point GetExtent() const;
    virtual void SetSize(int newWidth, int newHeight);
    virtual void SetPosition(int newX, int newY);
    virtual void Move(int newX, int newY);
    virtual void SetLocation(Point point);
    // 11 to 24: colour, visibility, enabling, stacking.
    virtual void SetBackColor(int64_t color);
    virtual int64_t GetBackColor() const;
    virtual void Show();
    virtual void ShowMapped();
    virtual void Hide();
    virtual bool IsVisible() const;
    virtual bool IsCreated() const;
    virtual void Reserved18();
    virtual void SetEnabled(bool value);
    virtual bool IsEnabled() const;
    virtual void AddChild(GUIElement* element);
    virtual void BringToFront();
    virtual void Raise();
    virtual void SendToBack();
    // 25 to 35: tag, font, flags, hit test, text.
    virtual void SetTag(const std::string& value);
    virtual std::string GetTag() const;
    virtual void SetFont(const FontDescriptor& value);
    virtual FontDescriptor& GetFont();
    virtual bool IsTabStop() const;
    virtual bool IsDrawable() const;
    virtual bool IsChild() const;
    virtual bool Contains(Point point) const;
    virtual void SetText(const std::string& value);
    virtual std::string GetText() const;
    virtual std::string GetValueText() const;
    // 36 to 58: events.
    virtual void MouseUp(Point point);
    virtual void MouseDown(Point point);
    virtual void DblClick(Point point);
    virtual void OtherMouseUp(Point point);
    virtual void OtherMouseDown(Point point);
    virtual void ExtraMouseEvent(int64_t argument);
    virtual void KeyUp(KeySym keysym);
    virtual void KeyDown(KeySym keysym);
    virtual bool KeyChar(char character);
    virtual void MouseMove(int pointerX, int pointerY);
    virtual void CustomEvent1(int64_t first, int64_t second);
    virtual void CustomEvent2(int64_t first, int64_t second);
    virtual void SetFocus();
    virtual void Moved();
    virtual void Resized();
    virtual void Paint();
    virtual bool QueryClose();
    virtual void Close();
    virtual void GotFocus();
    virtual void LostFocus();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Load(int64_t value);
    // 59 to 65: back colour refresh, the two marks, the user value.
    virtual void RefreshBackColor();
    virtual bool IsFlagA() const;
    virtual bool IsFlagB() const;
    virtual void SetFlagA(bool value);
    virtual void SetFlagB(bool value);
    virtual void Reserved64();
    virtual int64_t* GetUserValueRef();
    // 66 to 73: making the element exist on the platform and applying stored values to it.
    virtual void Create() = 0;

protected:
    virtual void ApplyPosition();
    virtual void ApplySize();
    virtual void ApplyBackColor();
    virtual void ApplyRaise();
    virtual void ApplyLower();
    virtual void OnChildAdded(GUIElement* element);
    virtual void ApplyFont();

public:
    std::string GetKind() const { return kind; }
    uint32_t GetId() const { return id; }
    GUIElement* GetOwner() const { return owner; }
    GUIElement* GetParent() const { return parent; }
    // The container went away before the element: it has no parent from now on.
    void ClearParent() { parent = nullptr; }
    bool IsClosed() const { return closed; }
    bool HasFocus() const { return hasFocus; }
    bool IsLoaded() const { return loaded; }
    // Gives the element the next id unless it has one; the id doubles as the user value.
    void AssignId();

    void SetOnLoad(LoadCallback callback) { OnLoad = callback; }
    void SetOnMouseUp(MouseCallback callback) { OnMouseUp = callback; }
    void SetOnMouseDown(MouseCallback callback) { OnMouseDown = callback; }
    void SetOnDblClick(MouseCallback callback) { OnDblClick = callback; }
    void SetOnOtherMouseUp(MouseCallback callback) { OnOtherMouseUp = callback; }
    void SetOnOtherMouseDown(MouseCallback callback) { OnOtherMouseDown = callback; }
    void SetOnExtraMouseEvent(ExtraMouseCallback callback) { OnExtraMouseEvent = callback; }
    void SetOnKeyUp(KeyCallback callback) { OnKeyUp = callback; }
    void SetOnKeyDown(KeyCallback callback) { OnKeyDown = callback; }
    void SetOnKeyChar(KeyCharCallback callback) { OnKeyChar = callback; }
    void SetOnMove(EventCallback callback) { OnMove = callback; }
    void SetOnResize(EventCallback callback) { OnResize = callback; }
    void SetOnQueryClose(QueryCallback callback) { OnQueryClose = callback; }
    void SetOnClose(EventCallback callback) { OnClose = callback; }
    void SetOnGotFocus(EventCallback callback) { OnGotFocus = callback; }
    void SetOnLostFocus(EventCallback callback) { OnLostFocus = callback; }
    void SetOnMouseEnter(EventCallback callback) { OnMouseEnter = callback; }
    void SetOnMouseLeave(EventCallback callback) { OnMouseLeave = callback; }
    void SetOnChange(EventCallback callback) { OnChange = callback; }
    void SetOnMouseMove(MouseMoveCallback callback) { OnMouseMove = callback; }
    void SetOnCustomEvent1(CustomCallback callback) { OnCustomEvent1 = callback; }
    void SetOnCustomEvent2(CustomCallback callback) { OnCustomEvent2 = callback; }

protected:
    // Registers the element as its last step.
    explicit GUIElement(GUIElement* owner);

    std::string kind;
    bool isChild = false;
    bool tabStop = true;
    bool drawable = false;
    bool visible = false;
    bool closed = false;
    bool flagA = false;
    bool flagB = false;
    int64_t userValue = 0;
    GUIElement* owner;
    FontDescriptor font;
    int32_t width = 100;
    int32_t height = 50;
    int32_t x = 100;
    int32_t y = 100;
    bool created = false;
    int64_t backColor = NoBackColor;
    bool enabled = true;
    uint32_t id = 0;
    std::string tag;
    std::string text;
    std::string savedText;  // GetValueText when the element got the focus
    GUIElement* parent = nullptr;
    LoadCallback OnLoad = nullptr;
    bool loaded = false;
    MouseCallback OnMouseUp = nullptr;
    MouseCallback OnMouseDown = nullptr;
    MouseCallback OnDblClick = nullptr;
    MouseCallback OnOtherMouseUp = nullptr;
    MouseCallback OnOtherMouseDown = nullptr;
    ExtraMouseCallback OnExtraMouseEvent = nullptr;
    KeyCallback OnKeyUp = nullptr;
    KeyCallback OnKeyDown = nullptr;
    KeyCharCallback OnKeyChar = nullptr;
    EventCallback OnMove = nullptr;
    EventCallback OnResize = nullptr;
    QueryCallback OnQueryClose = nullptr;
    EventCallback OnClose = nullptr;
    EventCallback OnGotFocus = nullptr;
    EventCallback OnLostFocus = nullptr;
    EventCallback OnMouseEnter = nullptr;
    EventCallback OnMouseLeave = nullptr;
    EventCallback OnChange = nullptr;
    MouseMoveCallback OnMouseMove = nullptr;
    CustomCallback OnCustomEvent1 = nullptr;
    CustomCallback OnCustomEvent2 = nullptr;
    bool hasFocus = false;
    DateTime lastClickTime;  // the last MouseUp, for double clicks
};

}  // namespace tarnbrook
