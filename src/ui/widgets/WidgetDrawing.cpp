#include "ui/widgets/WidgetDrawing.h"

#include <X11/Xlib.h>

#include "app/Application.h"
#include "gfx/GraphicsContext.h"
#include "gfx/Screen.h"
#include "ui/BackColors.h"
#include "ui/Form.h"

namespace tarnbrook {

Form* PaintableForm(GUIElement* element)
{
    Form* form = Application::GetParentForm(element);
    return form && form->GetWindow() != None && form->GetScreen() ? form : nullptr;
}

int64_t FaceColor(GUIElement* element)
{
    const int64_t own = element->GetBackColor();
    return own != GUIElement::NoBackColor ? own : ContainerBackColor(element);
}

Point WindowPosition(GUIElement* element)
{
    const Point position = element->GetPosition();
    return Application::ToFormCoordinates(element, position.x, position.y);
}

void EraseElement(GUIElement* element)
{
    EraseElement(element, element->GetWidth(), element->GetHeight());
}

void EraseElement(GUIElement* element, int w, int h)
{
    Form* form = PaintableForm(element);
    if (!form) {
        return;
    }
    const Point at = WindowPosition(element);
    GraphicsContext gc(form);
    gc.FillRectangle(at.x, at.y, w + 1, h + 1, 0, GraphicsContext::NoColor,
                     ContainerBackColor(element));
}

void FlushDisplay(GUIElement* element)
{
    if (Form* form = PaintableForm(element)) {
        XFlush(form->GetScreen()->GetDisplay());
    }
}

void DrawDashed(GraphicsContext& gc, Point from, Point to, int64_t color)
{
    gc.DrawLine(from.x, from.y, to.x, to.y, kDashedLine, color);
}

}  // namespace tarnbrook
