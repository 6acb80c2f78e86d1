#pragma once

namespace tarnbrook {

class Form;

// What a dialog does to the form it opens over. While a dialog is open its owner takes no
// input: the loop gives a disabled form's children no pointer events, and since keys follow
// the keyboard focus whatever window they are typed in, an element of the owner that holds the
// focus loses it. A null owner is ignored.
void TakeOwnerInput(Form* owner, Form* dialog);
// The owner takes input again and no longer names a dialog.
void GiveOwnerInputBack(Form* owner);

}  // namespace tarnbrook
