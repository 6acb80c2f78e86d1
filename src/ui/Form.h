#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "ui/GUIElement.h"

namespace tarnbrook {

class Screen;

// A top-level X window: the main window and every dialog. The form owns its window, gives it
// its window-manager properties (fixed size, names, class, close protocol, dialog type and owner,
// process id, icon), applies the geometry set through the GUIElement setters to it and paints
// its children.
// Its children are the registered elements whose parent it is; it does not own them.
class Form : public GUIElement {
public:
    explicit Form(GUIElement* owner, bool isDialog = false);
    ~Form() override;

    // GUIElement slots that a form overrides.
    int GetClientWidth() override;
    int GetClientHeight() override;
    Point GetPosition() override;
    void SetBackColor(int64_t color) override;
    void Show() override;
    void ShowMapped() override;
    void Hide() override;
    void SetFocus() override;
    void Paint() override;
    void SetFlagA(bool value) override;
    void Create() override;

protected:
    void ApplyPosition() override;
    void ApplySize() override;
    void ApplyBackColor() override;
    void ApplyRaise() override;
    void ApplyLower() override;
    void OnChildAdded(GUIElement* element) override;
    void ApplyFont() override;

public:
    // Slots 74 to 103; concrete forms add theirs after these. Do not reorder.
    virtual void FormReserved74();
    virtual void FormReserved75();
    virtual std::string GetCaption();
    virtual void SetCaption(const std::string& caption);
    virtual std::string GetTitle();
    virtual void SetTitle(const std::string& title);
    virtual void AfterCreate();
    virtual void OnUserMessage();
    virtual void FormReserved82();
    virtual void SetStyleFlagA(bool value);
    virtual void SetStyleFlagB(bool value);
    virtual void SetStyleFlagC(bool value);
    virtual void DestroyWindow();
    virtual void OnDialogResult(uint32_t dialogId, uint32_t result);
    virtual bool IsDialog() const;
    virtual void SetIcon(Pixmap pixmap);
    virtual void SetClientSizeMove(int clientWidth, int clientHeight);
    virtual void SetClientSize(int clientWidth, int clientHeight, bool adjustPosition);
    virtual void SetStyleFlagD(bool value);
    virtual void SetStyleFlagE(bool value);
    virtual void SetActiveDialog(Form* form);
    virtual void SetGeometry(int newX, int newY, int newWidth, int newHeight);
    virtual void SetScreen(Screen* value);
    virtual Screen* GetScreen() const;
    virtual void CenterOnScreen();
    virtual void Open();
    virtual void Reopen();
    virtual Window GetWindow() const;
    virtual void SetFlagBOn();
    virtual void SetFlagBOff();

    // The picture task bars and window switchers show (_NET_WM_ICON): width, height, then the
    // pixels row by row as 0xAARRGGBB. Stored, and given to the window when it exists.
    void SetIconPixels(std::vector<unsigned long> pixels);

    Form* GetActiveDialog() const { return activeDialog; }
    Atom GetWmDeleteWindow() const { return wmDeleteWindow; }
    // Clears the active dialog when it names the given element (which is going away).
    void ForgetDialog(const GUIElement* element);
    // The window a dialog belongs to (WM_TRANSIENT_FOR), and whether the dialog holds it
    // (_NET_WM_STATE_MODAL): the window manager keeps the dialog above that window. Both are
    // read when the window is made, before it is mapped.
    void SetTransientFor(Window ownerWindow) { transientFor = ownerWindow; }
    void SetModal(bool value) { modal = value; }

protected:
    Form* activeDialog = nullptr;
    Atom wmDeleteWindow = None;
    Pixmap icon = None;
    Screen* screen = nullptr;
    Window window = None;
    bool styleFlagE = true;
    bool styleFlagA = true;
    bool styleFlagB = true;
    bool styleFlagC = true;
    bool isDialog;
    bool styleFlagD = false;
    std::vector<unsigned long> iconPixels;
    Window transientFor = None;
    bool modal = false;

private:
    Display* GetDisplay() const;  // null without a screen or an open connection
    void CreateWindow(Display* display);
    void SetWindowManagerProperties(Display* display);
    void SetProcessProperties(Display* display);
    void ApplyIconPixels(Display* display);
    void SetDialogProperties(Display* display);
    void DestroyOwnWindow();
};

}  // namespace tarnbrook
