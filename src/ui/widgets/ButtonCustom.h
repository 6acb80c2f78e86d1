#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "ui/PaintedChild.h"
#include "ui/widgets/CommandElement.h"

namespace tarnbrook {

// The toolkit's push button: a bevelled face with a caption and optionally a picture, painted
// on its form's window. It looks pressed while the left mouse button or Return is held on it
// and runs its command when released over it. A press that loses the focus is cancelled. A
// disabled or hidden button takes no input.
class ButtonCustom : public PaintedChild, public CommandElement {
public:
    static constexpr int64_t kDisabledCaptionColor = 0x9B9B9B;

    ButtonCustom(GUIElement* container, const std::string& caption);

    void SetText(const std::string& caption) override;
    void MouseUp(Point point) override;
    void MouseDown(Point point) override;
    void KeyDown(KeySym keysym) override;
    bool KeyChar(char character) override;
    void Paint() override;
    void GotFocus() override;
    void LostFocus() override;

    // Slots after those of GUIElement, in this order.
    virtual void Enable(bool value);
    virtual void SetForeColor(int64_t color);

    void SetContentHidden(bool value);
    // The pictures stay the caller's; the button never frees them.
    void SetImage(XImage* picture);
    void SetDisabledImage(XImage* picture);

    int64_t GetForeColor() const { return foreColor; }
    bool IsPressed() const { return pressed; }

protected:
    int64_t foreColor = 0x000000;
    bool pressed = false;
    bool contentHidden = false;
    XImage* image = nullptr;
    XImage* disabledImage = nullptr;

private:
    bool TakesInput() const;
    void SetPressed(bool value);
    XImage* CurrentPicture() const;
};

}  // namespace tarnbrook
