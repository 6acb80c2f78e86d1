#include "ui/PaintedChild.h"

#include <X11/Xlib.h>

#include "app/Application.h"
#include "gfx/GraphicsContext.h"
#include "gfx/Screen.h"
#include "ui/BackColors.h"
#include "ui/Form.h"

namespace tarnbrook {

PaintedChild::PaintedChild(GUIElement* container, const std::string& kindName, bool takesTab)
{
    parent = container;
    kind = kindName;
    tabStop = takesTab;
    drawable = true;
}

void PaintedChild::Create()
{
    AssignId();
    created = true;
    visible = true;
}

void PaintedChild::Show()
{
    Child::Show();
    Paint();
}

void PaintedChild::ShowMapped()
{
    Child::ShowMapped();
    Paint();
}

void PaintedChild::Hide()
{
    HideErasing(width, height, ContainerBackColor(this));
}

void PaintedChild::SetSize(int newWidth, int newHeight)
{
    const bool shown = created;
    if (shown) {
        Hide();
    }
    width = newWidth;
    height = newHeight;
    if (shown) {
        Show();
    }
}

void PaintedChild::SetPosition(int newX, int newY)
{
    const bool shown = created;
    if (shown) {
        Hide();
    }
    x = newX;
    y = newY;
    if (shown) {
        Show();
    }
}

// FillRectangle covers one pixel less each way than it is given.
void PaintedChild::HideErasing(int w, int h, int64_t color)
{
    if (!created) {
        return;
    }
    if (Form* form = PaintableForm()) {
        const Point at = WindowPosition();
        GraphicsContext gc(form);
        gc.FillRectangle(at.x, at.y, w + 1, h + 1, color);
    }
    Child::Hide();
    created = false;
}

void PaintedChild::RepaintIfCreated()
{
    if (created) {
        Paint();
    }
}

Form* PaintedChild::PaintableForm()
{
    Form* form = Application::GetParentForm(this);
    return form && form->GetWindow() != None && form->GetScreen() ? form : nullptr;
}

Form* PaintedChild::PaintTarget()
{
    return Application::loading || !created ? nullptr : PaintableForm();
}

Point PaintedChild::WindowPosition()
{
    return Application::ToFormCoordinates(this, x, y);
}

void PaintedChild::FlushDisplay()
{
    if (Form* form = PaintableForm()) {
        XFlush(form->GetScreen()->GetDisplay());
    }
}

}  // namespace tarnbrook
