#pragma once

#include <memory>
#include <string>

#include "app/ElementWatch.h"
#include "ui/Form.h"

namespace tarnbrook {

class ButtonCustom;
class CellControl;
class TextBoxCustom;

// The name typed in the last name dialog accepted with OK; emptied whenever a name dialog is
// made, so a dialog closed by the window manager leaves it empty.
extern std::string playerName;

// The small dialog in which the player types a name for the ranking: a prompt, a one-line box
// for at most 10 characters and "OK". The owner is disabled from construction until the dialog
// closes or is deleted. It closes by OK (or Return, or Delete) with a name that is not empty,
// which then goes to playerName, or by the window manager's close, which leaves playerName
// empty; both run its OnClose. The owner shows it and deletes it later.
class FormNamePlayer : public Form {
public:
    static constexpr int kWidth = 250;
    static constexpr int kHeight = 115;
    static constexpr int kMaxNameLength = 10;

    FormNamePlayer(Form* owner, const std::string& title);
    ~FormNamePlayer() override;

    void SetPrompt(const std::string& text);

    // Slots after those of Form, in this order.
    virtual void BuildContent();  // runs while the window is created
    virtual bool ReleaseOwner();  // gives the owner its input back; always agrees to close
    // Return and Delete act as OK and answer false (the character is used); others true.
    virtual bool FilterKeyChar(char key);
    virtual void ButtonClicked(GUIElement* sender);

    Form* GetOwnerForm() const { return owner_.Get(); }
    TextBoxCustom* GetTextBox() const { return textBox_.get(); }
    CellControl* GetPromptLabel() const { return promptLabel_.get(); }
    ButtonCustom* GetOkButton() const { return buttonOk_.get(); }

private:
    void InstallHandlers();

    ElementWatch<Form> owner_;
    bool holdingOwner_ = false;  // the owner is disabled for this dialog
    std::unique_ptr<TextBoxCustom> textBox_;
    std::unique_ptr<CellControl> promptLabel_;
    std::unique_ptr<ButtonCustom> buttonOk_;
    std::string prompt_;
};

}  // namespace tarnbrook
