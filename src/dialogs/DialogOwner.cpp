#include "dialogs/DialogOwner.h"

#include "app/Application.h"
#include "ui/Form.h"

namespace tarnbrook {

namespace {

void DropFocusWithin(Form* form)
{
    GUIElement* holder = Application::focused;
    if (!holder || Application::GetParentForm(holder) != form) {
        return;
    }
    Application::focused = nullptr;
    holder->LostFocus();
}

}  // namespace

void TakeOwnerInput(Form* owner, Form* dialog)
{
    if (!owner) {
        return;
    }
    owner->SetEnabled(false);
    owner->SetFlagA(true);
    owner->SetActiveDialog(dialog);
    DropFocusWithin(owner);
}

void GiveOwnerInputBack(Form* owner)
{
    if (!owner) {
        return;
    }
    owner->SetActiveDialog(nullptr);
    owner->SetEnabled(true);
    owner->SetFlagA(false);
}

}  // namespace tarnbrook
