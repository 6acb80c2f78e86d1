#pragma once

namespace tarnbrook {

class GUIElement;

// Run when a clickable widget is released; the argument is the whole widget that fired.
using CommandHandler = void (*)(GUIElement* sender);

// The one command handler shared by the clickable widgets (buttons, check boxes, option boxes),
// mixed in after their Child base. The handler may delete the widget that fired it, so a widget
// touches nothing of itself after FireCommand unless it has made sure it still exists.
class CommandElement {
public:
    void SetCommand(CommandHandler handler) { command = handler; }
    // Calls the handler with the sender when one is set.
    void FireCommand(GUIElement* sender);

protected:
    CommandElement() = default;
    ~CommandElement() = default;
    CommandElement(const CommandElement&) = delete;
    CommandElement& operator=(const CommandElement&) = delete;

private:
    CommandHandler command = nullptr;
};

}  // namespace tarnbrook
