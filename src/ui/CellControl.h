#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "gfx/TextAlign.h"
#include "ui/PaintedChild.h"

namespace tarnbrook {

// The toolkit's text label: its text wrapped and aligned on a filled background, optionally in
// a one-pixel 3-D frame, with a small "*" mark and a small picture drawn over the text.
class CellControl : public PaintedChild {
public:
    explicit CellControl(GUIElement* container);

    void SetText(const std::string& value) override;
    void SetTextAlign(TextAlign align);
    void SetForeColor(int64_t color);
    int64_t GetForeColor() const { return foreColor_; }
    void SetBevel(bool value);
    void SetAsterisk(bool value);
    void SetFontName(const std::string& name);  // kept only: the program has one font
    void SetFontSize(int size);
    void SetHighlighted(bool value);
    void SetHighlightForeColor(int64_t color);
    void SetHighlightBackColor(int64_t color);
    // The icon stays the caller's; iconAlign 1 right, 2 centred, other values left.
    void SetIcon(XImage* image, int iconWidth, int iconHeight, int iconAlign);

    // A label is resized and moved in place: nothing is erased or painted until its next paint.
    void SetSize(int newWidth, int newHeight) override;
    void SetPosition(int newX, int newY) override;
    // Clears the area in the form's back colour, whatever the container's.
    void Hide() override;
    void Paint() override;

private:
    void DrawIcon(class GraphicsContext& gc, int innerX, int innerY, int innerWidth,
                  int innerHeight);

    XImage* icon_ = nullptr;
    int iconAlign_ = 1;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
    bool asterisk_ = false;
    std::string fontName_ = "Topaz";
    int fontSize_ = 8;
    TextAlign textAlign_ = TextAlign::Centre;
    int64_t foreColor_ = 0x000000;
    bool bevel_ = false;
    bool highlighted_ = false;
    int64_t highlightForeColor_ = 0x000000;
    int64_t highlightBackColor_ = 0xFFFF00;
};

}  // namespace tarnbrook
