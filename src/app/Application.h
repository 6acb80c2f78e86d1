#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ui/Point.h"

namespace tarnbrook {

class Form;
class GUIElement;
class Timer;

// The process-wide part of the element framework: the registries of every element, form and
// timer, the keyboard focus, the keys held down, the quit flag and the one event loop.
//
// The registries never own anything: whoever creates an element deletes it, and the element's
// destructor unregisters it. Unregistering also clears every process-wide reference to the
// element (`focused`, `messageBox`, `mainForm`, a form's active dialog) and every ElementWatch
// on it, so nothing here ever points at a destroyed element.
//
// Callbacks may destroy elements, forms and timers, even the element that called them (a
// dialog's OK button closing its own dialog). The loop therefore never touches an element again
// after calling into it unless an ElementWatch (app/ElementWatch.h) says it is still alive;
// element operations that go on after calling a callback do the same.
namespace Application {

extern std::vector<GUIElement*> elements;  // every element alive, in construction order
extern std::vector<Form*> forms;           // every form, in registration order
extern std::vector<Timer*> timers;         // every timer, in registration order
extern GUIElement* focused;                // the element with the keyboard focus; never a form
extern std::array<unsigned char, 256> keyTable;  // 1 while the key of that character is down
// Milliseconds of idle waiting modulo 1000, advanced by the event loop (read by DateTime::SetNow).
extern int tickCounter;
extern bool quitRequested;  // once true, the loop ends after the event in hand
extern bool loading;        // true while a form's Load runs inside its window creation
extern Form* messageBox;    // the open message box, deleted by the loop when it ends
extern uint32_t idCounter;  // the last element id handed out
extern Form* mainForm;      // the game's main window; fallback for routines that find no form

// Registration, called by the constructors and destructors of the elements.
void RegisterElement(GUIElement* element);
void RegisterForm(GUIElement* element);
void RegisterTimer(GUIElement* element);
void RemoveWinForm(GUIElement* element);
void RemoveWindow(GUIElement* form);
void RemoveTimer(GUIElement* timer);
// Takes the element out of every registry it is still in, silently, and clears every reference
// to it. The GUIElement destructor calls it as the last line of defence.
void ForgetElement(GUIElement* element);

// Look-ups. Window ids are Xlib's `Window` (an unsigned long), kept out of this header so that
// code without X (DateTime reads tickCounter) does not see Xlib's macros.
Form* FindFormByWindow(unsigned long window);
std::vector<GUIElement*> GetChildren(uint32_t containerId);
GUIElement* ElementAt(uint32_t containerId, Point point);
Form* GetParentForm(GUIElement* element);  // null when the element has no form among its ancestors
Point ToFormCoordinates(GUIElement* element, int x, int y);
bool IsKeyDown(int code);

// Control.
void ClearFocus();
void DestroyAllForms();
// The event loop on the display of mainForm's Screen; returns when quitRequested is true, after
// destroying every form's window, deleting the open message box and closing mainForm.
void Run(Form* mainForm);
// X protocol errors are logged and the program goes on; a lost connection is logged and ends
// the program with status 1. Run installs them; so does the first window creation.
void InstallXErrorHandlers();

// Puts the flags, the focus, the key table, the tick counter and the learned pixel format back
// to their start values (for tests that run more than once in one process). Registries and ids
// stay.
void ResetState();

// Used by ElementWatch: the slot is set to null when the element it names is destroyed.
void Watch(GUIElement** slot);
void Unwatch(GUIElement** slot);

}  // namespace Application
}  // namespace tarnbrook
