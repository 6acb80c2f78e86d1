#include "app/EventDispatch.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <array>
#include <vector>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "ui/Form.h"
#include "ui/GUIElement.h"

// Every call into an element may run a callback that destroys elements or forms. The
// functions below keep an ElementWatch on whatever they touch after such a call and skip the
// calls whose target has gone; `Application::focused` is cleared by the registry itself.

namespace tarnbrook {

using Application::focused;

namespace {

using FormWatch = ElementWatch<Form>;
using Watch = ElementWatch<GUIElement>;

struct Key {
    KeySym keysym;
    unsigned char character;  // 0 for a key that makes no character
};

Key LookupKey(XKeyEvent& event)
{
    char buffer[50] = {};
    KeySym keysym = NoSymbol;
    XLookupString(&event, buffer, sizeof buffer, &keysym, nullptr);
    return Key{keysym, static_cast<unsigned char>(buffer[0])};
}

// The character each key gave when it went down, by keycode, until it comes up: the release
// delivers it, so Shift let go before the letter still gives the capital. Presses and
// releases are noted whatever the form's state, so no key delivers an earlier press's.
std::array<unsigned char, 256> pressedCharacters{};

void RememberPressed(const XKeyEvent& event, unsigned char character)
{
    pressedCharacters[event.keycode & 0xFF] = character;
}

// A release whose press went elsewhere keeps the character the release gives.
unsigned char TakePressed(const XKeyEvent& event, unsigned char released)
{
    const unsigned char pressed = pressedCharacters[event.keycode & 0xFF];
    pressedCharacters[event.keycode & 0xFF] = 0;
    return pressed != 0 ? pressed : released;
}

void SetKeyFlag(unsigned char character, unsigned char value)
{
    Application::keyTable[character] = value;
}

bool ReceivesDrag(GUIElement* element)
{
    const std::string kind = element->GetKind();
    return kind == "slider" || kind == "scrollbar";
}

bool IsFocusedOn(Form* form, Point point)
{
    return focused && focused->Contains(point) && focused->GetParent() == form;
}

void KeyPressed(Form* form, XKeyEvent& event)
{
    const Key key = LookupKey(event);
    RememberPressed(event, key.character);
    if (!form->IsEnabled()) {
        return;
    }
    FormWatch formWatch(form);
    if (focused) {
        focused->KeyDown(key.keysym);
    }
    if (key.character != 0) {
        SetKeyFlag(key.character, 1);
    }
    if (formWatch) {
        form->KeyDown(key.keysym);
    }
}

// Tab moves the focus to the next tab stop of the form in creation order, wrapping around.
void NavigateTab(Form* form)
{
    const std::vector<GUIElement*> list = Application::GetChildren(form->GetId());
    const uint32_t focusedId = focused ? focused->GetId() : 0;
    GUIElement* found = nullptr;
    for (GUIElement* element : list) {
        if ((!focused || element->GetId() > focusedId) && element->IsTabStop()) {
            found = element;
            break;
        }
    }
    for (auto it = list.begin(); !found && it != list.end(); ++it) {
        if ((*it)->IsTabStop()) {
            found = *it;
        }
    }
    if (!found) {
        return;
    }
    Watch next(found);
    if (focused) {
        focused->LostFocus();
    }
    if (next) {
        focused = found;
        found->GotFocus();
    }
}

void DeliverKeyRelease(GUIElement* element, const Key& key)
{
    Watch target(element);
    if (key.character != 0) {
        element->KeyChar(static_cast<char>(key.character));
    }
    if (target) {
        element->KeyUp(key.keysym);
    }
}

void KeyReleased(Form* form, XKeyEvent& event)
{
    Key key = LookupKey(event);
    key.character = TakePressed(event, key.character);
    if (!form->IsEnabled()) {
        return;
    }
    FormWatch formWatch(form);
    if (key.keysym == XK_Tab && (!focused || focused->IsTabStop())) {
        NavigateTab(form);
    } else if (focused) {
        DeliverKeyRelease(focused, key);
    }
    if (key.character != 0) {
        SetKeyFlag(key.character, 0);
        if (formWatch) {
            form->KeyChar(static_cast<char>(key.character));
        }
    }
    if (formWatch) {
        form->KeyUp(key.keysym);
    }
}

// Focus goes to the element under the pointer before it gets its MouseDown.
void LeftPress(Form* form, Point point)
{
    FormWatch formWatch(form);
    if (IsFocusedOn(form, point)) {
        focused->MouseDown(point);
    } else if (GUIElement* hit = Application::ElementAt(form->GetId(), point)) {
        Watch hitWatch(hit);
        if (!focused) {
            hit->GotFocus();
        } else if (focused->GetId() != hit->GetId()) {
            focused->LostFocus();
            if (hitWatch) {
                hit->GotFocus();
            }
        }
        if (hitWatch) {
            hit->MouseDown(point);
        }
        if (hitWatch) {
            focused = hit;
        }
    } else if (focused) {
        focused->LostFocus();
        focused = nullptr;
    }
    if (formWatch) {
        form->MouseDown(point);
    }
}

// A release outside the pressed element takes the focus away from it without a MouseUp.
void LeftRelease(Form* form, Point point)
{
    FormWatch formWatch(form);
    if (IsFocusedOn(form, point)) {
        focused->MouseUp(point);
    } else {
        GUIElement* hit = Application::ElementAt(form->GetId(), point);
        if (hit && focused && hit->GetId() == focused->GetId()) {
            hit->MouseUp(point);
        } else if (focused) {
            focused->LostFocus();
            focused = nullptr;
        }
    }
    if (formWatch) {
        form->MouseUp(point);
    }
}

bool IsHandledButton(unsigned int button)
{
    return button >= Button1 && button <= Button4;
}

void ButtonPressed(Form* form, const XButtonEvent& event)
{
    const Point point{event.x, event.y};
    if (!IsHandledButton(event.button)) {
        return;
    }
    if (!form->IsEnabled()) {
        form->MouseDown(point);
    } else if (event.button == Button1) {
        LeftPress(form, point);
    } else {
        form->OtherMouseDown(point);
    }
}

void ButtonReleased(Form* form, const XButtonEvent& event)
{
    const Point point{event.x, event.y};
    if (!IsHandledButton(event.button)) {
        return;
    }
    if (!form->IsEnabled()) {
        form->MouseUp(point);
    } else if (event.button == Button1) {
        LeftRelease(form, point);
    } else {
        form->OtherMouseUp(point);
    }
}

void PointerMoved(Form* form, const XMotionEvent& event)
{
    if (!form->IsEnabled()) {
        return;
    }
    FormWatch formWatch(form);
    if (focused && ReceivesDrag(focused)) {
        focused->MouseMove(event.x, event.y);
    }
    if (formWatch) {
        form->MouseMove(event.x, event.y);
    }
}

// Resized runs before the new geometry is stored, so it still sees the old size.
void Configured(Form* form, const XConfigureEvent& event)
{
    FormWatch formWatch(form);
    const Point size = form->GetSize();
    if (event.width != size.x || event.height != size.y) {
        form->Resized();
    }
    if (formWatch) {
        form->SetGeometry(event.x, event.y, event.width, event.height);
    }
}

// The main form decides itself whether to quit; any other form closes when it agrees.
void CloseRequested(Form* form, Form* mainForm)
{
    if (mainForm && mainForm->GetId() == form->GetId()) {
        mainForm->QueryClose();
        return;
    }
    FormWatch formWatch(form);
    if (!form->QueryClose() || !formWatch) {
        return;
    }
    form->DestroyWindow();
    if (formWatch) {
        form->Close();
    }
}

void ClientMessageArrived(Form* form, const XClientMessageEvent& event, Form* mainForm)
{
    const Atom deleteWindow = form->GetWmDeleteWindow();
    const auto first = static_cast<unsigned long>(event.data.l[0]);
    if (deleteWindow != None && first == deleteWindow) {
        CloseRequested(form, mainForm);
    } else if (event.message_type == None && event.data.l[0] == 1) {
        form->OnUserMessage();
    }
}

Window WindowOf(const XEvent& event)
{
    if (event.type == ConfigureNotify) {
        return event.xconfigure.window;
    }
    return event.xany.window;
}

}  // namespace

void DispatchEvent(XEvent& event, Form* mainForm)
{
    Form* form = Application::FindFormByWindow(WindowOf(event));
    if (!form) {
        return;
    }
    switch (event.type) {
    case KeyPress:
        KeyPressed(form, event.xkey);
        break;
    case KeyRelease:
        KeyReleased(form, event.xkey);
        break;
    case ButtonPress:
        ButtonPressed(form, event.xbutton);
        break;
    case ButtonRelease:
        ButtonReleased(form, event.xbutton);
        break;
    case MotionNotify:
        PointerMoved(form, event.xmotion);
        break;
    case EnterNotify:
        form->MouseEnter();
        break;
    case LeaveNotify:
        form->MouseLeave();
        break;
    case Expose:
        form->Paint();
        break;
    case ConfigureNotify:
        Configured(form, event.xconfigure);
        break;
    case ClientMessage:
        ClientMessageArrived(form, event.xclient, mainForm);
        break;
    default:
        break;
    }
}

}  // namespace tarnbrook
