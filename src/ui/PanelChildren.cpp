#include "ui/PanelChildren.h"

#include "app/Application.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/Form.h"

namespace tarnbrook {

namespace {

constexpr int64_t kBlack = 0x000000;
constexpr int64_t kWhite = 0xFFFFFF;
constexpr int kCaptionInsetX = 4;
constexpr int kCaptionInsetY = 2;
constexpr int kCaptionBand = 10;

}  // namespace

PanelChildren::PanelChildren(GUIElement* container) : PaintedChild(container, "panel", false) {}

void PanelChildren::SetFramed(bool value)
{
    framed_ = value;
    flatFrame_ = false;
}

void PanelChildren::SetFlatFrame(bool value)
{
    flatFrame_ = value;
    framed_ = true;
}

void PanelChildren::SetSunken(bool value)
{
    sunken_ = value;
    framed_ = true;
}

void PanelChildren::SetCaptionColor(int64_t color)
{
    captionColor_ = color;
}

void PanelChildren::SetChildBackColor(int64_t color)
{
    childBackColor_ = color;
}

void PanelChildren::Show()
{
    if (!created) {
        Create();
    }
    Paint();
    for (GUIElement* child : Application::GetChildren(id)) {
        child->Show();
    }
    Child::Show();  // GUIElement's: the panel has painted itself above
}

void PanelChildren::ShowMapped()
{
    Show();
}

void PanelChildren::Hide()
{
    for (GUIElement* child : Application::GetChildren(id)) {
        child->Hide();
    }
    PaintedChild::Hide();
}

void PanelChildren::Paint()
{
    if (Application::loading || !created) {
        return;
    }
    const int64_t bg = OwnOrDefaultBackColor(this);
    GraphicsContext gc(Application::GetParentForm(this));
    const Point at = Application::ToFormCoordinates(this, x, y);
    gc.FillRectangle(at.x, at.y, width, height, bg);
    if (framed_ && flatFrame_) {
        gc.DrawRectangle(at.x, at.y, width, height, 1, kBlack);
    } else if (framed_) {
        gc.DrawBevel(at.x, at.y, width, height, sunken_ ? kBlack : kWhite,
                     sunken_ ? kWhite : kBlack);
    }
    if (!text.empty()) {
        gc.DrawText(at.x + kCaptionInsetX, at.y + kCaptionInsetY, width - 2 * kCaptionInsetX,
                    kCaptionBand, text, captionColor_ == NoBackColor ? kBlack : captionColor_, bg,
                    TextAlign::Left);
    }
    for (GUIElement* child : Application::GetChildren(id)) {
        if (!child->IsDrawable() || !child->IsCreated()) {
            continue;
        }
        if (childBackColor_ != NoBackColor) {
            child->SetBackColor(childBackColor_);
        }
        child->Paint();
    }
}

}  // namespace tarnbrook
