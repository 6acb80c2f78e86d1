#pragma once

namespace tarnbrook {

class Form;

// What a dialog does to the form it opens over. While a dialog is open its owner takes no
// input: the loop gives a disabled form's children no pointer events, and since keys follow
// the keyboard focus whatever window they are typed in, an element of the owner that holds the
// focus loses it. The dialog's window, made afterwards, belongs to the owner's and is modal.
// A null owner is ignored.
//
// More than one dialog may be open over one owner (the window manager's close button on the
// main window asks its exit question while the name dialog is open). The owner then takes
// input again only when the last of them has gone; meanwhile it names the latest one still
// open as its active dialog.
void TakeOwnerInput(Form* owner, Form* dialog);
// The dialog no longer holds its owner, which may be null when the owner has gone already.
void GiveOwnerInputBack(Form* owner, Form* dialog);

}  // namespace tarnbrook
