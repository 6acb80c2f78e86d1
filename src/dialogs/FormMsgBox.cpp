#include "dialogs/FormMsgBox.h"

#include "app/Application.h"
#include "app/Log.h"
#include "dialogs/DialogOwner.h"
#include "ui/CellControl.h"
#include "ui/FormOf.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {

namespace {

const int kBoxWidth = 250;
const int kBoxHeight = 150;
const int64_t kBoxColor = 0xAAAAAA;
const int64_t kMessageColor = 0xB7B7B7;
const int kMargin = 10;
const int kButtonWidth = 110;
const int kButtonHeight = 28;
const int kButtonsFromBottom = 40;

Form* FirstForm()
{
    return Application::forms.empty() ? nullptr : Application::forms.front();
}

// The box still there from an earlier call goes without reporting a result.
void DeleteEarlierBox()
{
    Form* box = Application::messageBox;
    Application::messageBox = nullptr;
    delete box;
}

void OpenBox(uint32_t dialogId, bool yesNo, Form* owner, const std::string& message,
             const std::string& title)
{
    ElementWatch<Form> chosen(owner ? owner : FirstForm());
    DeleteEarlierBox();
    Form* target = chosen ? chosen.Get() : FirstForm();
    if (!target) {
        WriteLog("ShowMsgBox: nessuna form");
        return;
    }
    Application::messageBox =
        new FormMsgBox(dialogId, yesNo, target->GetScreen(), target, title, message);
}

}  // namespace

FormMsgBox::FormMsgBox(uint32_t dialogId, bool yesNo, Screen* screen, Form* owner,
                       const std::string& title, const std::string& message)
    : Form(nullptr, true), owner_(owner)
{
    if (screen) {
        SetScreen(screen);
    }
    Setup(dialogId, yesNo, title, message);
    TakeOwnerInput(owner_.Get(), this);
    holdingOwner_ = true;
    SetSize(kBoxWidth, kBoxHeight);
    CentreOnOwner();
    SetStyleFlagB(false);
    SetStyleFlagA(false);
    InstallHandlers();
    SetBackColor(kBoxColor);
    Create();
}

// A box deleted while still open gives its owner its input back, without a result.
FormMsgBox::~FormMsgBox()
{
    DestroyWindow();
    ReleaseOwner();
}

void FormMsgBox::CentreOnOwner()
{
    if (!owner_) {
        return;
    }
    const Point position = owner_->GetPosition();
    const Point size = owner_->GetSize();
    Move(position.x + (size.x - kBoxWidth) / 2, position.y + (size.y - kBoxHeight) / 2);
}

void FormMsgBox::InstallHandlers()
{
    SetOnLoad([](GUIElement* box, int64_t) { FormOf<FormMsgBox>(box)->BuildContent(); });
    SetOnQueryClose([](GUIElement* box) { return FormOf<FormMsgBox>(box)->ReleaseOwner(); });
    SetOnClose([](GUIElement* box) { FormOf<FormMsgBox>(box)->ReportResult(); });
}

void FormMsgBox::Setup(uint32_t dialogId, bool yesNo, const std::string& title,
                       const std::string& message)
{
    dialogId_ = dialogId;
    yesNo_ = yesNo;
    SetCaption(title);
    SetMessage(message);
}

void FormMsgBox::BuildContent()
{
    const int w = GetWidth();
    const int h = GetHeight();
    messageCell_ = std::make_unique<CellControl>(this);
    messageCell_->Move(kMargin, kMargin);
    messageCell_->SetBevel(true);
    messageCell_->SetBackColor(kMessageColor);
    messageCell_->SetForeColor(0x000000);
    messageCell_->SetText(message_);
    messageCell_->SetSize(w - 2 * kMargin, h - 60);
    messageCell_->Create();

    firstButton_ = std::make_unique<ButtonCustom>(this, yesNo_ ? "YES" : "OK");
    firstButton_->SetSize(kButtonWidth, kButtonHeight);
    firstButton_->Move(w - kButtonWidth - kMargin, h - kButtonsFromBottom);
    firstButton_->SetCommand(CallFormMember<FormMsgBox, &FormMsgBox::ButtonClicked>);
    firstButton_->Create();

    secondButton_ = std::make_unique<ButtonCustom>(this, "NO");
    secondButton_->SetSize(kButtonWidth, kButtonHeight);
    secondButton_->Move(kMargin, h - kButtonsFromBottom);
    secondButton_->SetCommand(CallFormMember<FormMsgBox, &FormMsgBox::ButtonClicked>);
    secondButton_->Create();
    if (!yesNo_) {
        secondButton_->Hide();
    }
}

bool FormMsgBox::ReleaseOwner()
{
    if (holdingOwner_) {
        holdingOwner_ = false;
        GiveOwnerInputBack(owner_.Get(), this);
    }
    return true;
}

void FormMsgBox::ReportResult()
{
    if (owner_) {
        owner_->OnDialogResult(dialogId_, result_);
    }
}

// Reporting the result may delete this box (the owner opens the next one): nothing may follow
// Close here.
void FormMsgBox::ButtonClicked(GUIElement* button)
{
    if (!IsCreated() || !ReleaseOwner()) {
        return;
    }
    if (firstButton_ && button->GetId() == firstButton_->GetId()) {
        result_ = yesNo_ ? kResultYes : kResultOk;
    } else if (secondButton_ && button->GetId() == secondButton_->GetId()) {
        result_ = kResultNo;
    }
    DestroyWindow();
    Close();
}

void FormMsgBox::SetMessage(const std::string& text)
{
    message_ = text;
    if (IsCreated() && messageCell_) {
        messageCell_->SetText(text);
    }
}

void ShowMsgBox(uint32_t dialogId, Form* owner, const std::string& message,
                const std::string& title)
{
    OpenBox(dialogId, false, owner, message, title);
}

void ShowMsgBoxYesNo(uint32_t dialogId, Form* owner, const std::string& message,
                     const std::string& title)
{
    OpenBox(dialogId, true, owner, message, title);
}

void ShowMsgBox(Form* owner, const std::string& message, const std::string& title)
{
    ShowMsgBox(0, owner, message, title);
}

void ShowMsgBox(const std::string& message, const std::string& title)
{
    ShowMsgBox(0, nullptr, message, title);
}

void ShowMsgBoxYesNo(uint32_t dialogId, const std::string& message, const std::string& title)
{
    ShowMsgBoxYesNo(dialogId, nullptr, message, title);
}

}  // namespace tarnbrook
