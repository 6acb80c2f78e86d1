#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <string>

#include "app/ElementWatch.h"
#include "ui/Form.h"

namespace tarnbrook {

class ButtonCustom;
class CellControl;
class MyImage;
class PanelChildren;

// The about box: a dialog over its owner with a framed picture, the product and ownership
// lines, the web and mail addresses as links (the browser and the mail program start in the
// background), a framed notice and "OK". The owner is disabled from construction until the box
// closes (OK, Return, Escape, Delete or the window manager) or is deleted; nothing is reported
// back. The owner fills in the texts, gives the box its screen, shows it, and deletes it later.
class FormAbout : public Form {
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 210;

    explicit FormAbout(Form* owner);
    ~FormAbout() override;

    // Stored only: set them before Show. The picture stays the caller's.
    void SetPicture(XImage* image, int imageWidth, int imageHeight);
    void SetProductLine(const std::string& text) { productLine_ = text; }
    void SetOwnershipLine(const std::string& text) { ownershipLine_ = text; }
    void SetNoticeText(const std::string& text) { noticeText_ = text; }
    // At least "https://www." and a domain: the mail address is made from what follows.
    void SetWebAddress(const std::string& text) { webAddress_ = text; }

    // Slots after those of Form, in this order.
    virtual void BuildContent();  // runs while the window is created
    virtual bool ReleaseOwner();  // gives the owner its input back; always agrees to close
    // Return, Escape and Delete close the box (the character is used: false).
    virtual bool HandleKeyChar(char character);
    virtual void ButtonClicked(GUIElement* element);
    virtual void ElementClicked(GUIElement* element);

    Form* GetOwnerForm() const { return owner_.Get(); }
    CellControl* GetWebCell() const { return webCell_.get(); }
    CellControl* GetMailCell() const { return mailCell_.get(); }
    ButtonCustom* GetOkButton() const { return okButton_.get(); }

private:
    void CentreOnOwner();
    void InstallHandlers();
    void BuildPicture(int clientHeight);
    std::unique_ptr<CellControl> MakeCell(const std::string& text, int cellX, int cellY,
                                          int cellWidth, int cellHeight);
    std::unique_ptr<CellControl> MakeLink(const std::string& text, int cellX, int cellY,
                                          int cellWidth);
    std::string MailAddress() const;

    ElementWatch<Form> owner_;
    bool holdingOwner_ = false;  // the owner is disabled for this box
    XImage* picture_ = nullptr;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    std::string productLine_;
    std::string ownershipLine_;
    std::string noticeText_;
    std::string webAddress_;
    std::unique_ptr<PanelChildren> panel_;
    std::unique_ptr<MyImage> pictureElement_;
    std::unique_ptr<CellControl> productCell_;
    std::unique_ptr<CellControl> ownershipCell_;
    std::unique_ptr<CellControl> webCell_;
    std::unique_ptr<CellControl> mailCell_;
    std::unique_ptr<CellControl> noticeCell_;
    std::unique_ptr<ButtonCustom> okButton_;
};

}  // namespace tarnbrook
