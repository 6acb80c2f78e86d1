#pragma once

#include "ui/Form.h"

namespace tarnbrook {

class GUIElement;

// The form of any element: the element itself when it is a form, else the nearest form among
// its containers, else the main window (else the first form). Null when there is none.
Form* FormOf(GUIElement* element);

// The same form when it is a T, else null: how a plain callback finds the form whose member it
// calls.
template <typename T>
T* FormOf(GUIElement* element)
{
    return dynamic_cast<T*>(FormOf(element));
}

// A plain command callback that hands its sender to a member of the sender's form:
// SetCommand(CallFormMember<FormMain, &FormMain::CommandClicked>).
template <typename T, void (T::*Member)(GUIElement*)>
void CallFormMember(GUIElement* sender)
{
    if (T* form = FormOf<T>(sender)) {
        (form->*Member)(sender);
    }
}

}  // namespace tarnbrook
