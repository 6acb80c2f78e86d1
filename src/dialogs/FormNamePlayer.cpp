#include "dialogs/FormNamePlayer.h"

#include "dialogs/DialogOwner.h"
#include "game/SoundPlayer.h"
#include "ui/CellControl.h"
#include "ui/FormOf.h"
#include "ui/KeyCharacters.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {

std::string playerName;

FormNamePlayer::FormNamePlayer(Form* owner, const std::string& title)
    : Form(nullptr, true), owner_(owner)
{
    playerName.clear();
    if (owner) {
        SetScreen(owner->GetScreen());
    }
    TakeOwnerInput(owner, this);
    holdingOwner_ = true;
    SetSize(kWidth, kHeight);
    SetCaption(title);
    SetStyleFlagA(false);
    SetStyleFlagB(false);
    InstallHandlers();
}

// A dialog deleted while still open (or never shown) gives its owner its input back.
FormNamePlayer::~FormNamePlayer()
{
    ReleaseOwner();
    textBox_.reset();
    promptLabel_.reset();
    buttonOk_.reset();
}

void FormNamePlayer::InstallHandlers()
{
    SetOnLoad([](GUIElement* dialog, int64_t) { FormOf<FormNamePlayer>(dialog)->BuildContent(); });
    SetOnQueryClose(
        [](GUIElement* dialog) { return FormOf<FormNamePlayer>(dialog)->ReleaseOwner(); });
    SetOnKeyChar([](GUIElement* dialog, char key) {
        return FormOf<FormNamePlayer>(dialog)->FilterKeyChar(key);
    });
}

void FormNamePlayer::SetPrompt(const std::string& text)
{
    prompt_ = text;
    if (created && promptLabel_) {
        promptLabel_->SetText(text);
    }
}

void FormNamePlayer::BuildContent()
{
    const int w = GetClientWidth();

    promptLabel_ = std::make_unique<CellControl>(this);
    promptLabel_->SetSize(w, 14);
    promptLabel_->Move(0, 15);
    promptLabel_->SetText(prompt_);
    promptLabel_->SetTextAlign(TextAlign::Centre);
    promptLabel_->Create();

    textBox_ = std::make_unique<TextBoxCustom>(this, "");
    textBox_->SetSize(w / 2, 20);
    textBox_->Move(w / 4, 45);
    textBox_->SetMaxLength(kMaxNameLength);
    textBox_->SetAlignLeft(true);
    textBox_->Create();

    buttonOk_ = std::make_unique<ButtonCustom>(this, "OK");
    buttonOk_->SetSize(80, 28);
    buttonOk_->Move((w - 80) / 2, 80);
    buttonOk_->SetCommand(CallFormMember<FormNamePlayer, &FormNamePlayer::ButtonClicked>);
    buttonOk_->Create();

    textBox_->SetFocus();
}

bool FormNamePlayer::ReleaseOwner()
{
    if (holdingOwner_) {
        holdingOwner_ = false;
        GiveOwnerInputBack(owner_.Get(), this);
    }
    return true;
}

bool FormNamePlayer::FilterKeyChar(char key)
{
    if (key != kReturnCharacter && key != kDeleteCharacter) {
        return true;
    }
    ButtonClicked(buttonOk_.get());
    return false;
}

// Close may run an OnClose that deletes this dialog: nothing may follow it here.
void FormNamePlayer::ButtonClicked(GUIElement* sender)
{
    if (!sender || !buttonOk_ || sender->GetId() != buttonOk_->GetId() || !IsCreated()) {
        return;
    }
    const std::string name = textBox_->GetText();
    if (name.empty()) {
        Beep();
        textBox_->SetFocus();
        return;
    }
    if (ReleaseOwner()) {
        playerName = name;
        DestroyWindow();
        Close();
    }
}

}  // namespace tarnbrook
