#include "support/OwnerForm.h"

#include "app/Application.h"
#include "support/WaitFor.h"

namespace testsupport {

OwnerForm::OwnerForm(int x, int y, int width, int height) : Form(nullptr), screen_("tests")
{
    SetScreen(&screen_);
    SetPosition(x, y);
    SetSize(width, height);
    Show();
    WaitViewable(GetDisplay(), GetWindow());
}

// The form's window and font go while the display is still open: the screen, a member, is
// closed before the base form is destroyed.
OwnerForm::~OwnerForm()
{
    DestroyWindow();
    GetFont() = tarnbrook::FontDescriptor();
}

void OwnerForm::OnDialogResult(uint32_t dialogId, uint32_t result)
{
    results_.emplace_back(dialogId, result);
    if (action_) {
        action_(dialogId);
    }
}

void OwnerForm::OnUserMessage()
{
    tarnbrook::Application::quitRequested = true;
}

bool WaitViewable(Display* display, Window window)
{
    return WaitFor([display, window] {
        XWindowAttributes attributes{};
        return window != None && XGetWindowAttributes(display, window, &attributes) &&
               attributes.map_state == IsViewable;
    });
}

int CountTopLevelWindows(Display* display)
{
    Window root;
    Window parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return -1;
    }
    if (children) {
        XFree(children);
    }
    return static_cast<int>(count);
}

}  // namespace testsupport
