#include "ui/FormOf.h"

#include "app/Application.h"

namespace tarnbrook {

Form* FormOf(GUIElement* element)
{
    if (element && element->GetKind() == "form") {
        return static_cast<Form*>(element);
    }
    if (Form* form = Application::GetParentForm(element)) {
        return form;
    }
    if (Application::mainForm) {
        return Application::mainForm;
    }
    return Application::forms.empty() ? nullptr : Application::forms.front();
}

}  // namespace tarnbrook
