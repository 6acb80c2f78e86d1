#include "dialogs/DialogOwner.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/Application.h"
#include "ui/Form.h"

namespace tarnbrook {

namespace {

// A dialog open over an owner, in the order they opened. The owner is known by its address and
// its id, which is never reused, so an owner gone before its dialogs matches no later form. A
// dialog stays here only while it exists: it gives its owner back before it goes.
struct Hold {
    const Form* owner;
    uint32_t ownerId;
    Form* dialog;

    bool Over(const Form* form) const { return owner == form && ownerId == form->GetId(); }
};

std::vector<Hold> holds;

void DropFocusWithin(Form* form)
{
    GUIElement* holder = Application::focused;
    if (!holder || Application::GetParentForm(holder) != form) {
        return;
    }
    Application::focused = nullptr;
    holder->LostFocus();
}

Form* LatestDialogOver(const Form* owner)
{
    for (auto hold = holds.rbegin(); hold != holds.rend(); ++hold) {
        if (hold->Over(owner)) {
            return hold->dialog;
        }
    }
    return nullptr;
}

}  // namespace

void TakeOwnerInput(Form* owner, Form* dialog)
{
    if (!owner) {
        return;
    }
    holds.push_back(Hold{owner, owner->GetId(), dialog});
    dialog->SetTransientFor(owner->GetWindow());
    dialog->SetModal(true);
    owner->SetEnabled(false);
    owner->SetFlagA(true);
    owner->SetActiveDialog(dialog);
    DropFocusWithin(owner);
}

void GiveOwnerInputBack(Form* owner, Form* dialog)
{
    holds.erase(std::remove_if(holds.begin(), holds.end(),
                               [dialog](const Hold& hold) { return hold.dialog == dialog; }),
                holds.end());
    dialog->SetModal(false);  // for a window made later
    if (!owner) {
        return;
    }
    if (Form* stillOpen = LatestDialogOver(owner)) {
        owner->SetActiveDialog(stillOpen);
        return;
    }
    owner->SetActiveDialog(nullptr);
    owner->SetEnabled(true);
    owner->SetFlagA(false);
}

}  // namespace tarnbrook
