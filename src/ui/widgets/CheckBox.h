#pragma once

#include <X11/X.h>

#include <cstdint>
#include <string>

#include "ui/PaintedChild.h"
#include "ui/widgets/CommandElement.h"
#include "ui/widgets/MarkImages.h"

namespace tarnbrook {

class GraphicsContext;

// A 20 x 20 tick box followed by a caption. A click, or the space bar while it has the focus,
// toggles it and runs its command; the setters change it without running the command.
class CheckBox : public PaintedChild, public CommandElement {
public:
    CheckBox(GUIElement* container, const std::string& caption);

    // Store, then Paint: the old area is not cleared.
    void SetSize(int newWidth, int newHeight) override;
    void SetPosition(int newX, int newY) override;
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

    void SetChecked(bool value);
    bool IsChecked() const { return checked; }

protected:
    bool checked = false;
    MarkImages pictures_;
    int64_t foreColor = 0x000000;

private:
    // Toggles, shows it at once and runs the command; answers whether the box still exists.
    bool Toggle();
    void DrawFocusRectangle(GraphicsContext& gc, Point at);
};

}  // namespace tarnbrook
