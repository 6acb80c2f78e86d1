#include "app/Application.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <list>
#include <string>
#include <type_traits>

#include "app/ElementWatch.h"
#include "app/EndedChildren.h"
#include "app/EventDispatch.h"
#include "app/IdleWait.h"
#include "app/Log.h"
#include "gfx/PixelFormat.h"
#include "gfx/Screen.h"
#include "ui/Form.h"
#include "ui/GUIElement.h"
#include "ui/Timer.h"

namespace tarnbrook {
namespace Application {

static_assert(std::is_same<Window, unsigned long>::value, "FindFormByWindow takes Xlib's Window");

std::vector<GUIElement*> elements;
std::vector<Form*> forms;
std::vector<Timer*> timers;
GUIElement* focused = nullptr;
std::array<unsigned char, 256> keyTable{};
int tickCounter = 0;
bool quitRequested = false;
bool loading = false;
Form* messageBox = nullptr;
uint32_t idCounter = 0;
Form* mainForm = nullptr;

namespace {

std::vector<GUIElement**> watchSlots;

template <typename T>
bool EraseFirst(std::vector<T*>& list, const GUIElement* element)
{
    auto found =
        std::find_if(list.begin(), list.end(), [element](T* entry) { return entry == element; });
    if (found == list.end()) {
        return false;
    }
    list.erase(found);
    return true;
}

void LogNotFound(const char* where, GUIElement* element, size_t count, const char* countName)
{
    WriteLog(std::string(" NON TROVATO! Application::") + where + " = " + element->GetKind() +
             countName + std::to_string(count) + " id " + std::to_string(element->GetId()));
}

// Nothing process-wide may keep pointing at an element that is going away.
void ForgetReferences(GUIElement* element)
{
    if (focused == element) {
        focused = nullptr;
    }
    if (messageBox == element) {
        messageBox = nullptr;
    }
    if (mainForm == element) {
        mainForm = nullptr;
    }
    for (Form* form : forms) {
        form->ForgetDialog(element);
    }
    for (GUIElement** slot : watchSlots) {
        if (*slot == element) {
            *slot = nullptr;
        }
    }
    for (GUIElement* child : elements) {
        if (child->GetParent() == element) {
            child->ClearParent();
        }
    }
}

bool HasParentWithId(GUIElement* element, uint32_t containerId)
{
    return element->GetParent() && element->GetParent()->GetId() == containerId;
}

bool IsPanel(GUIElement* element)
{
    return element->GetKind() == "panel";
}

// A panel without an id yet (or its own parent) would be searched inside itself for ever.
bool CanDescendInto(GUIElement* panel, uint32_t containerId)
{
    return panel->GetId() != 0 && panel->GetId() != containerId;
}

void ClearKeyTable()
{
    keyTable.fill(0);
}

// Sends the requests issued since the last time, if there are any. XFlush also polls the
// connection, which an idle slice has no need of: NextRequest tells whether anything is waiting.
void FlushNewRequests(Display* display)
{
    static Display* flushedDisplay = nullptr;
    static unsigned long flushedUpTo = 0;
    if (flushedDisplay == display && NextRequest(display) == flushedUpTo) {
        return;
    }
    XFlush(display);
    flushedDisplay = display;
    flushedUpTo = NextRequest(display);
}

// Waits for the next X event, counting idle time while timers need it; a child that ends ends
// the wait too. Answers whether an event is ready to be read.
bool WaitForEventOrTick(Display* display, IdleWait& idle)
{
    FlushNewRequests(display);
    if (XEventsQueued(display, QueuedAlready) > 0) {
        idle.Restart();
        return true;
    }
    if (!idle.WaitForInput(ConnectionNumber(display), EndedChildren::Descriptor())) {
        return false;
    }
    // A timer that fired on waking may have ended the loop: the input came after that step and
    // stays unread. What arrived may be no event (a reply, an error): do not block in
    // XNextEvent for one.
    return !quitRequested && XPending(display) > 0;
}

void EndRun(ElementWatch<Form>& runForm)
{
    DestroyAllForms();
    if (messageBox) {
        Form* box = messageBox;
        messageBox = nullptr;
        delete box;
    }
    if (runForm) {
        runForm->Close();
    }
}

}  // namespace

void RegisterElement(GUIElement* element)
{
    elements.push_back(element);
}

void RegisterForm(GUIElement* element)
{
    if (element->GetKind() == "form") {
        forms.push_back(static_cast<Form*>(element));
    }
}

void RegisterTimer(GUIElement* element)
{
    if (element->GetKind() == "timer") {
        timers.push_back(static_cast<Timer*>(element));
    }
}

void RemoveWinForm(GUIElement* element)
{
    const std::string kind = element->GetKind();
    if (kind == "form") {
        RemoveWindow(element);
    } else if (kind == "timer") {
        RemoveTimer(element);
    }
    if (!EraseFirst(elements, element)) {
        LogNotFound("RemoveWinForm", element, elements.size(), " size ");
    }
    ForgetReferences(element);
}

void RemoveWindow(GUIElement* form)
{
    if (!EraseFirst(forms, form)) {
        LogNotFound("RemoveWindow", form, forms.size(), " lx ");
    }
}

void RemoveTimer(GUIElement* timer)
{
    if (!EraseFirst(timers, timer)) {
        LogNotFound("RemoveWindow", timer, timers.size(), " lx ");
    }
}

void ForgetElement(GUIElement* element)
{
    EraseFirst(elements, element);
    EraseFirst(forms, element);
    EraseFirst(timers, element);
    ForgetReferences(element);
}

Form* FindFormByWindow(unsigned long window)
{
    for (Form* form : forms) {
        if (form->GetWindow() == window) {
            return form;
        }
    }
    return nullptr;
}

std::vector<GUIElement*> GetChildren(uint32_t containerId)
{
    std::vector<GUIElement*> children;
    for (GUIElement* element : elements) {
        if (!element->IsChild() || !HasParentWithId(element, containerId)) {
            continue;
        }
        children.push_back(element);
        if (IsPanel(element) && CanDescendInto(element, containerId)) {
            std::vector<GUIElement*> inner = GetChildren(element->GetId());
            children.insert(children.end(), inner.begin(), inner.end());
        }
    }
    return children;
}

GUIElement* ElementAt(uint32_t containerId, Point point)
{
    for (GUIElement* element : elements) {
        if (!element->IsChild() || !element->IsCreated() || !element->IsVisible() ||
            !element->IsEnabled() || !HasParentWithId(element, containerId)) {
            continue;
        }
        if (IsPanel(element)) {
            if (!CanDescendInto(element, containerId)) {
                continue;
            }
            const Point origin = element->GetPosition();
            const Point inside{point.x - origin.x, point.y - origin.y};
            if (GUIElement* inner = ElementAt(element->GetId(), inside)) {
                return inner;
            }
        } else if (element->Contains(point)) {
            return element;
        }
    }
    return nullptr;
}

Form* GetParentForm(GUIElement* element)
{
    for (GUIElement* ancestor = element ? element->GetParent() : nullptr; ancestor;
         ancestor = ancestor->GetParent()) {
        if (ancestor->GetKind() == "form") {
            return static_cast<Form*>(ancestor);
        }
    }
    return nullptr;
}

Point ToFormCoordinates(GUIElement* element, int x, int y)
{
    Point result{x, y};
    for (GUIElement* ancestor = element ? element->GetParent() : nullptr;
         ancestor && ancestor->GetKind() != "form"; ancestor = ancestor->GetParent()) {
        const Point position = ancestor->GetPosition();
        result.x += position.x;
        result.y += position.y;
    }
    return result;
}

bool IsKeyDown(int code)
{
    return code >= 0 && code <= 255 && keyTable[static_cast<size_t>(code)] != 0;
}

void ClearFocus()
{
    focused = nullptr;
}

void DestroyAllForms()
{
    // DestroyWindow of a concrete form may delete other forms: walk a watched snapshot.
    std::list<ElementWatch<GUIElement>> snapshot;
    for (GUIElement* element : elements) {
        if (element->GetKind() == "form" && element->IsCreated()) {
            snapshot.emplace_back(element);
        }
    }
    for (ElementWatch<GUIElement>& form : snapshot) {
        if (form) {
            static_cast<Form*>(form.Get())->DestroyWindow();
        }
    }
}

void Run(Form* mainForm)
{
    Screen* screen = mainForm ? mainForm->GetScreen() : nullptr;
    Display* display = screen ? screen->GetDisplay() : nullptr;
    if (!display) {
        return;
    }
    InstallXErrorHandlers();
    ElementWatch<Form> runForm(mainForm);
    ClearKeyTable();
    IdleWait idle;
    while (!quitRequested) {
        EndedChildren::Collect();  // between any two events, not only after a wait
        if (!WaitForEventOrTick(display, idle)) {
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        DispatchEvent(event, runForm.Get());
    }
    EndRun(runForm);
}

void ResetState()
{
    focused = nullptr;
    ClearKeyTable();
    tickCounter = 0;
    quitRequested = false;
    loading = false;
    ForgetPixelFormat();
}

void Watch(GUIElement** slot)
{
    watchSlots.push_back(slot);
}

void Unwatch(GUIElement** slot)
{
    auto found = std::find(watchSlots.rbegin(), watchSlots.rend(), slot);
    if (found != watchSlots.rend()) {
        watchSlots.erase(std::next(found).base());
    }
}

}  // namespace Application
}  // namespace tarnbrook
