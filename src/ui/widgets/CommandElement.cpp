#include "ui/widgets/CommandElement.h"

namespace tarnbrook {

void CommandElement::FireCommand(GUIElement* sender)
{
    if (command) {
        command(sender);
    }
}

}  // namespace tarnbrook
