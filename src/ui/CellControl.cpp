#include "ui/CellControl.h"

#include "app/Application.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/Form.h"

namespace tarnbrook {

namespace {

constexpr int64_t kBlack = 0x000000;
constexpr int64_t kWhite = 0xFFFFFF;
constexpr int kIconMargin = 3;
constexpr int kAsteriskLift = 4;

template <typename T>
bool Changed(T& stored, const T& value)
{
    if (stored == value) {
        return false;
    }
    stored = value;
    return true;
}

}  // namespace

CellControl::CellControl(GUIElement* container) : PaintedChild(container, "cellcontrol", false) {}

void CellControl::SetText(const std::string& value)
{
    if (Changed(text, value)) {
        RepaintIfCreated();
    }
}

void CellControl::SetTextAlign(TextAlign align)
{
    if (Changed(textAlign_, align)) {
        RepaintIfCreated();
    }
}

void CellControl::SetForeColor(int64_t color)
{
    if (Changed(foreColor_, color)) {
        RepaintIfCreated();
    }
}

void CellControl::SetBevel(bool value)
{
    if (Changed(bevel_, value)) {
        RepaintIfCreated();
    }
}

void CellControl::SetAsterisk(bool value)
{
    if (Changed(asterisk_, value)) {
        RepaintIfCreated();
    }
}

void CellControl::SetFontName(const std::string& name)
{
    if (Changed(fontName_, name)) {
        RepaintIfCreated();
    }
}

void CellControl::SetFontSize(int size)
{
    if (Changed(fontSize_, size)) {
        RepaintIfCreated();
    }
}

void CellControl::SetHighlighted(bool value)
{
    highlighted_ = value;
    RepaintIfCreated();
}

void CellControl::SetHighlightForeColor(int64_t color)
{
    highlightForeColor_ = color;
    RepaintIfCreated();
}

void CellControl::SetHighlightBackColor(int64_t color)
{
    highlightBackColor_ = color;
    RepaintIfCreated();
}

void CellControl::SetIcon(XImage* image, int iconWidth, int iconHeight, int iconAlign)
{
    icon_ = image;
    iconWidth_ = iconWidth;
    iconHeight_ = iconHeight;
    iconAlign_ = iconAlign;
    RepaintIfCreated();
}

void CellControl::SetSize(int newWidth, int newHeight)
{
    GUIElement::SetSize(newWidth, newHeight);
}

void CellControl::SetPosition(int newX, int newY)
{
    GUIElement::SetPosition(newX, newY);
}

void CellControl::Hide()
{
    HideErasing(width, height, FormBackColor(this));
}

void CellControl::Paint()
{
    if (Application::loading || !created) {
        return;
    }
    GraphicsContext gc(Application::GetParentForm(this));
    const Point at = Application::ToFormCoordinates(this, x, y);
    const int lineHeight = gc.LineHeight();
    const int inset = bevel_ ? 1 : 0;
    const int innerX = at.x + inset;
    const int innerY = at.y + inset;
    const int innerWidth = width - 2 * inset;
    const int innerHeight = height - 2 * inset;
    const int64_t bg = highlighted_ ? highlightBackColor_ : OwnOrDefaultBackColor(this);
    const int64_t fg = highlighted_ ? highlightForeColor_ : foreColor_;

    if (bevel_) {
        gc.DrawBevel(at.x, at.y, width, height, kBlack, bg == kWhite ? kBlack : kWhite);
    }
    gc.DrawText(innerX, innerY, innerWidth, innerHeight, text, fg, bg, textAlign_);
    if (asterisk_) {
        gc.DrawText(innerX + innerWidth - lineHeight,
                    innerY + innerHeight - lineHeight - kAsteriskLift, lineHeight, lineHeight, "*",
                    fg, bg, TextAlign::Centre);
    }
    if (icon_) {
        DrawIcon(gc, innerX, innerY, innerWidth, innerHeight);
    }
}

void CellControl::DrawIcon(GraphicsContext& gc, int innerX, int innerY, int innerWidth,
                           int innerHeight)
{
    const int iconY = innerY + (innerHeight - iconHeight_) / 2;
    int iconX = innerX + kIconMargin;
    if (iconAlign_ == 1) {
        iconX = innerX + innerWidth - iconWidth_ - kIconMargin;
    } else if (iconAlign_ == 2) {
        iconX = innerX + (innerWidth - iconWidth_) / 2;
    }
    gc.PutImage(iconX, iconY, iconWidth_, iconHeight_, icon_);
}

}  // namespace tarnbrook
