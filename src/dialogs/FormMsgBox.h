#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/ElementWatch.h"
#include "ui/Form.h"

namespace tarnbrook {

class ButtonCustom;
class CellControl;
class Screen;

// The message box: a small dialog over an owner form with a message and either "OK" or "YES"
// and "NO". It does not block: opening it disables the owner, and closing it (a button or the
// window manager's close) enables the owner again and hands the result to the owner's
// OnDialogResult with the caller's dialog id. Open boxes with ShowMsgBox and ShowMsgBoxYesNo:
// at most one box exists at a time (Application::messageBox).
class FormMsgBox : public Form {
public:
    static constexpr uint32_t kResultNone = 0;  // closed by the window manager
    static constexpr uint32_t kResultOk = 1;
    static constexpr uint32_t kResultYes = 3;
    static constexpr uint32_t kResultNo = 4;

    // Builds, centres on the owner and shows the box; the owner is disabled until it closes.
    FormMsgBox(uint32_t dialogId, bool yesNo, Screen* screen, Form* owner, const std::string& title,
               const std::string& message);
    ~FormMsgBox() override;

    // Slots after those of Form, in this order.
    virtual void Setup(uint32_t dialogId, bool yesNo, const std::string& title,
                       const std::string& message);
    virtual void BuildContent();  // runs while the window is created
    virtual bool ReleaseOwner();  // gives the owner its input back; always agrees to close
    virtual void ReportResult();  // the owner's OnDialogResult(dialogId, result)
    virtual void ButtonClicked(GUIElement* button);
    virtual void SetMessage(const std::string& text);

    uint32_t GetDialogId() const { return dialogId_; }
    uint32_t GetResult() const { return result_; }
    bool IsYesNo() const { return yesNo_; }
    const std::string& GetMessage() const { return message_; }
    Form* GetOwnerForm() const { return owner_.Get(); }
    ButtonCustom* GetFirstButton() const { return firstButton_.get(); }
    ButtonCustom* GetSecondButton() const { return secondButton_.get(); }
    CellControl* GetMessageCell() const { return messageCell_.get(); }

private:
    void CentreOnOwner();
    void InstallHandlers();

    std::string message_;
    std::unique_ptr<CellControl> messageCell_;
    bool yesNo_ = false;
    uint32_t dialogId_ = 0;
    uint32_t result_ = kResultNone;
    std::unique_ptr<ButtonCustom> firstButton_;   // "YES" or "OK"
    std::unique_ptr<ButtonCustom> secondButton_;  // "NO"
    ElementWatch<Form> owner_;
    bool holdingOwner_ = false;  // the owner is disabled for this box
};

// Opens a box with "OK" (ShowMsgBox) or "YES" and "NO" (ShowMsgBoxYesNo) over the owner, or
// over the first form (the main window) when there is none, and returns at once. A box still
// there from an earlier call is deleted first, without a result.
void ShowMsgBox(uint32_t dialogId, Form* owner, const std::string& message,
                const std::string& title);
void ShowMsgBoxYesNo(uint32_t dialogId, Form* owner, const std::string& message,
                     const std::string& title);
void ShowMsgBox(Form* owner, const std::string& message, const std::string& title);
void ShowMsgBox(const std::string& message, const std::string& title);
void ShowMsgBoxYesNo(uint32_t dialogId, const std::string& message, const std::string& title);

}  // namespace tarnbrook
