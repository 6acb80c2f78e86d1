#include "ui/Form.h"

#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "app/Log.h"
#include "gfx/Screen.h"

namespace tarnbrook {

namespace {

const char* const kClassName = "Tarnbrook.exe";
const unsigned long kDefaultBackground = 0xAAAAAA;
const long kEventMask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                        EnterWindowMask | LeaveWindowMask | PointerMotionMask | ButtonMotionMask |
                        ExposureMask | StructureNotifyMask | SubstructureNotifyMask;
static_assert(kEventMask == 0xAA07F, "the event mask of a form's window");

// A text property made from one string. It owns the value Xlib allocated for it.
class TextProperty {
public:
    explicit TextProperty(const std::string& text)
    {
        std::vector<char> copy(text.begin(), text.end());
        copy.push_back('\0');
        char* list[] = {copy.data()};
        made_ = XStringListToTextProperty(list, 1, &property_) != 0;
    }
    ~TextProperty()
    {
        if (made_) {
            XFree(property_.value);
        }
    }
    TextProperty(const TextProperty&) = delete;
    TextProperty& operator=(const TextProperty&) = delete;

    bool Made() const { return made_; }
    XTextProperty* Get() { return made_ ? &property_ : nullptr; }

private:
    XTextProperty property_{};
    bool made_ = false;
};

void FillSizeHints(XSizeHints* hints, int x, int y, int width, int height)
{
    // Minimum and maximum equal to the size: the window manager keeps the form at its size.
    hints->flags = PPosition | PSize | PMinSize | PMaxSize;
    hints->x = x;
    hints->y = y;
    hints->width = hints->min_width = hints->max_width = width;
    hints->height = hints->min_height = hints->max_height = height;
}

void FillWmHints(XWMHints* hints, Pixmap icon)
{
    hints->flags = InputHint | StateHint | IconPixmapHint;
    hints->input = True;
    hints->initial_state = NormalState;
    hints->icon_pixmap = icon;
}

void SetAtomProperty(Display* display, Window window, const char* name, const char* value)
{
    Atom atom = XInternAtom(display, value, False);
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&atom), 1);
}

}  // namespace

Form::Form(GUIElement* owner, bool isDialog) : GUIElement(owner), isDialog(isDialog)
{
    kind = "form";
    Application::RegisterForm(this);
}

Form::~Form()
{
    Application::RemoveWinForm(this);
    created = false;
    DestroyOwnWindow();
}

Display* Form::GetDisplay() const
{
    return screen ? screen->GetDisplay() : nullptr;
}

int Form::GetClientWidth()
{
    Display* display = GetDisplay();
    if (!created || !display) {
        return width;
    }
    Window root;
    int windowX, windowY;
    unsigned int windowWidth = 0, windowHeight, border, depth;
    XGetGeometry(display, window, &root, &windowX, &windowY, &windowWidth, &windowHeight, &border,
                 &depth);
    return static_cast<int>(windowWidth);
}

int Form::GetClientHeight()
{
    Display* display = GetDisplay();
    if (!created || !display) {
        return height;
    }
    Window root;
    int windowX, windowY;
    unsigned int windowWidth, windowHeight = 0, border, depth;
    XGetGeometry(display, window, &root, &windowX, &windowY, &windowWidth, &windowHeight, &border,
                 &depth);
    return static_cast<int>(windowHeight);
}

Point Form::GetPosition()
{
    Display* display = GetDisplay();
    if (!created || !display) {
        return Point{x, y};
    }
    int rootX = 0, rootY = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &rootX, &rootY,
                          &child);
    return Point{rootX, rootY};
}

void Form::SetBackColor(int64_t color)
{
    backColor = color;
    if (created) {
        RefreshBackColor();
    }
}

void Form::Show()
{
    GUIElement::Show();
    if (created) {
        // Mapping an iconified window asks the window manager to bring it back.
        XMapWindow(GetDisplay(), window);
        XRaiseWindow(GetDisplay(), window);
    }
}

void Form::ShowMapped()
{
    GUIElement::Show();
    if (created) {
        XMapWindow(GetDisplay(), window);
    }
}

void Form::Hide()
{
    GUIElement::Hide();
    if (created) {
        XUnmapWindow(GetDisplay(), window);
    }
}

void Form::SetFocus()
{
    if (created) {
        XSetInputFocus(GetDisplay(), window, RevertToNone, CurrentTime);
    }
    hasFocus = true;
}

void Form::Paint()
{
    for (GUIElement* element : Application::GetChildren(id)) {
        if (element->IsDrawable() && element->IsCreated()) {
            element->Paint();
        }
    }
}

void Form::SetFlagA(bool value)
{
    if (created) {
        GUIElement::SetFlagA(value);
    }
}

void Form::Create()
{
    if (created) {
        return;
    }
    Display* display = GetDisplay();
    if (!display) {
        WriteLog("E' necessario impostare il display");
        return;
    }
    Application::InstallXErrorHandlers();
    CreateWindow(display);
    SetFocus();
    if (window == None) {
        WriteLog("Errore creazione Form ");
        return;
    }
    AssignId();

    // OnLoad builds the form's children here, before the window is mapped.
    ElementWatch<Form> self(this);
    Application::loading = true;
    Load(userValue != 0 ? userValue : id);
    Application::loading = false;
    if (!self) {
        return;
    }

    created = true;
    RefreshBackColor();
    AfterCreate();
    XMapWindow(display, window);
    visible = true;
    XFlush(display);
}

void Form::CreateWindow(Display* display)
{
    const unsigned long background =
        backColor == NoBackColor ? kDefaultBackground : static_cast<unsigned long>(backColor);
    window = XCreateSimpleWindow(display, RootWindow(display, DefaultScreen(display)), x, y,
                                 static_cast<unsigned>(width), static_cast<unsigned>(height), 1,
                                 BlackPixel(display, screen->GetScreenNumber()), background);
    if (window == None) {
        return;
    }
    SetWindowManagerProperties(display);
    SetDialogProperties(display);
}

void Form::SetDialogProperties(Display* display)
{
    if (isDialog) {
        SetAtomProperty(display, window, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG");
    }
    if (transientFor != None) {
        XSetTransientForHint(display, window, transientFor);
    }
    if (modal) {
        SetAtomProperty(display, window, "_NET_WM_STATE", "_NET_WM_STATE_MODAL");
    }
}

void Form::SetWindowManagerProperties(Display* display)
{
    XSizeHints* sizeHints = XAllocSizeHints();
    XWMHints* wmHints = XAllocWMHints();
    XClassHint* classHint = XAllocClassHint();
    if (sizeHints && wmHints && classHint) {
        FillSizeHints(sizeHints, x, y, width, height);
        FillWmHints(wmHints, icon);
        TextProperty windowName(GetText());
        TextProperty iconName(kClassName);
        if (!windowName.Made() || !iconName.Made()) {
            WriteLog("XStringListToTextProperty - error");
        }
        std::string className(kClassName);  // Xlib wants writable characters
        classHint->res_name = &className[0];
        classHint->res_class = &className[0];
        XSetWMProperties(display, window, windowName.Get(), iconName.Get(), nullptr, 0, sizeHints,
                         wmHints, classHint);
        SetProcessProperties(display);
        ApplyIconPixels(display);

        wmDeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &wmDeleteWindow, 1);
        XSelectInput(display, window, kEventMask);
    } else {
        // Without them the window has no properties, no close protocol and gets no events.
        WriteLog("XAllocSizeHints/XAllocWMHints/XAllocClassHint failed");
    }
    for (void* hint : {static_cast<void*>(sizeHints), static_cast<void*>(wmHints),
                       static_cast<void*>(classHint)}) {
        if (hint) {
            XFree(hint);
        }
    }
}

// XSetWMProperties has named the machine (WM_CLIENT_MACHINE); with the process id beside it a
// window manager can end a game that no longer answers.
void Form::SetProcessProperties(Display* display)
{
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
}

void Form::SetIconPixels(std::vector<unsigned long> pixels)
{
    iconPixels = std::move(pixels);
    Display* display = GetDisplay();
    if (window != None && display) {
        ApplyIconPixels(display);
    }
}

void Form::ApplyIconPixels(Display* display)
{
    if (iconPixels.empty()) {
        return;
    }
    // Format 32 items travel as longs, whatever their size on this machine.
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(iconPixels.data()),
                    static_cast<int>(iconPixels.size()));
}

void Form::ApplyPosition()
{
    if (window != None) {
        XMoveWindow(GetDisplay(), window, x, y);
    }
}

void Form::ApplySize()
{
    if (window != None) {
        XResizeWindow(GetDisplay(), window, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
    }
}

void Form::ApplyBackColor() {}

void Form::ApplyRaise()
{
    if (window != None) {
        XRaiseWindow(GetDisplay(), window);
    }
}

void Form::ApplyLower()
{
    if (window != None) {
        XLowerWindow(GetDisplay(), window);
    }
}

void Form::OnChildAdded(GUIElement*) {}

void Form::ApplyFont() {}

void Form::FormReserved74() {}

void Form::FormReserved75() {}

std::string Form::GetCaption()
{
    return GetValueText();
}

void Form::SetCaption(const std::string& caption)
{
    SetText(caption);
    if (!created) {
        return;
    }
    TextProperty name(caption);
    if (!name.Made()) {
        WriteLog("XStringListToTextProperty - out of memory");
        return;
    }
    XSetWMName(GetDisplay(), window, name.Get());
    XSetWMIconName(GetDisplay(), window, name.Get());
}

std::string Form::GetTitle()
{
    return GetCaption();
}

void Form::SetTitle(const std::string& title)
{
    SetCaption(title);
}

void Form::AfterCreate() {}

void Form::OnUserMessage() {}

void Form::FormReserved82() {}

void Form::SetStyleFlagA(bool value)
{
    styleFlagA = value;
}

void Form::SetStyleFlagB(bool value)
{
    styleFlagB = value;
}

void Form::SetStyleFlagC(bool value)
{
    styleFlagC = value;
}

void Form::DestroyWindow()
{
    created = false;
    DestroyOwnWindow();
}

void Form::DestroyOwnWindow()
{
    if (window == None) {
        return;
    }
    Application::ClearFocus();
    Display* display = GetDisplay();
    if (display) {
        XUnmapWindow(display, window);
        XDestroyWindow(display, window);
        XFlush(display);
    }
    window = None;
}

void Form::OnDialogResult(uint32_t, uint32_t) {}

bool Form::IsDialog() const
{
    return isDialog;
}

void Form::SetIcon(Pixmap pixmap)
{
    icon = pixmap;
    if (created) {
        XWMHints hints{};
        FillWmHints(&hints, icon);
        XSetWMHints(GetDisplay(), window, &hints);
    }
}

void Form::SetClientSizeMove(int clientWidth, int clientHeight)
{
    SetClientSize(clientWidth, clientHeight, true);
}

void Form::SetClientSize(int clientWidth, int clientHeight, bool adjustPosition)
{
    if (!created) {
        return;
    }
    const int dw = std::max(0, GetWidth() - GetClientWidth());
    const int dh = std::max(0, GetHeight() - GetClientHeight());
    if (adjustPosition) {
        const Point position = GetPosition();
        SetPosition(position.x - dw, position.y - 2 * dh);
    }
    SetSize(clientWidth + dw, clientHeight + dh);
}

void Form::SetStyleFlagD(bool value)
{
    styleFlagD = value;
}

void Form::SetStyleFlagE(bool value)
{
    styleFlagE = value;
}

void Form::SetActiveDialog(Form* form)
{
    activeDialog = form;
}

void Form::SetGeometry(int newX, int newY, int newWidth, int newHeight)
{
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
}

void Form::SetScreen(Screen* value)
{
    screen = value;
}

Screen* Form::GetScreen() const
{
    return screen;
}

void Form::CenterOnScreen()
{
    const int screenWidth = screen ? screen->GetWidth() : ScreenWidth();
    const int screenHeight = screen ? screen->GetHeight() : ScreenHeight();
    Move((screenWidth - GetWidth()) / 2, (screenHeight - GetHeight()) / 2);
}

void Form::Open()
{
    if (!created) {
        Create();
    }
    visible = true;
}

void Form::Reopen()
{
    Open();
}

Window Form::GetWindow() const
{
    return window;
}

void Form::SetFlagBOn()
{
    if (created) {
        SetFlagB(true);
    }
}

void Form::SetFlagBOff()
{
    if (created) {
        SetFlagB(false);
    }
}

void Form::ForgetDialog(const GUIElement* element)
{
    if (activeDialog == element) {
        activeDialog = nullptr;
    }
}

}  // namespace tarnbrook
