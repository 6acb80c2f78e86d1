#include "ui/BackColors.h"

#include "app/Application.h"
#include "ui/Form.h"

namespace tarnbrook {

int64_t OwnOrDefaultBackColor(const GUIElement* element)
{
    const int64_t own = element->GetBackColor();
    return own == GUIElement::NoBackColor ? kDefaultBackColor : own;
}

int64_t FormBackColor(GUIElement* element)
{
    Form* form = Application::GetParentForm(element);
    return form ? OwnOrDefaultBackColor(form) : kDefaultBackColor;
}

int64_t ContainerBackColor(GUIElement* element)
{
    GUIElement* container = element->GetParent();
    if (container && container->GetBackColor() != GUIElement::NoBackColor) {
        return container->GetBackColor();
    }
    return FormBackColor(element);
}

int64_t FaceColor(GUIElement* element)
{
    const int64_t own = element->GetBackColor();
    return own != GUIElement::NoBackColor ? own : ContainerBackColor(element);
}

}  // namespace tarnbrook
