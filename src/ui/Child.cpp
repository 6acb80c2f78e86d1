#include "ui/Child.h"

#include "app/Application.h"

namespace tarnbrook {

Child::Child() : GUIElement(nullptr)
{
    isChild = true;
}

Child::~Child()
{
    Application::RemoveWinForm(this);
}

}  // namespace tarnbrook
