#include "dialogs/FormAbout.h"

#include "app/ProductInfo.h"
#include "dialogs/DialogOwner.h"
#include "dialogs/LinkLauncher.h"
#include "gfx/MyImage.h"
#include "ui/CellControl.h"
#include "ui/FormOf.h"
#include "ui/KeyCharacters.h"
#include "ui/PanelChildren.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {

namespace {

const char* const kCaption = "Info...";
const int64_t kProductColor = 0xFFFFFF;
const int64_t kLinkColor = 0x0000FF;
const int kPictureMargin = 5;
const int kLinkHeight = 12;
const int kWebCellWidth = 200;
const int kMailCellWidth = 150;
const int kLinksTop = 68;
// "https://www." comes before the domain that the mail address is made from.
const size_t kWebPrefixLength = 12;

void LinkPressed(GUIElement* cell, int64_t, Point)
{
    if (FormAbout* about = FormOf<FormAbout>(cell)) {
        about->ElementClicked(cell);
    }
}

bool IsElement(const std::unique_ptr<CellControl>& cell, const GUIElement* element)
{
    return cell && cell->GetId() == element->GetId();
}

}  // namespace

FormAbout::FormAbout(Form* owner) : Form(nullptr, true), owner_(owner)
{
    SetCaption(kCaption);
    SetSize(kWidth, kHeight);
    CentreOnOwner();
    SetStyleFlagE(false);
    SetStyleFlagD(true);
    SetStyleFlagB(false);
    SetStyleFlagA(false);
    InstallHandlers();
    TakeOwnerInput(owner_.Get(), this);
    holdingOwner_ = true;
}

// A box deleted while still open (or never shown) gives its owner its input back.
FormAbout::~FormAbout()
{
    ReleaseOwner();
    pictureElement_.reset();
    panel_.reset();
    productCell_.reset();
    ownershipCell_.reset();
    webCell_.reset();
    mailCell_.reset();
    noticeCell_.reset();
    okButton_.reset();
}

void FormAbout::CentreOnOwner()
{
    if (!owner_) {
        return;
    }
    const Point position = owner_->GetPosition();
    const Point size = owner_->GetSize();
    Move(position.x + (size.x - kWidth) / 2, position.y + (size.y - kHeight) / 2);
}

void FormAbout::InstallHandlers()
{
    SetOnLoad([](GUIElement* about, int64_t) { FormOf<FormAbout>(about)->BuildContent(); });
    SetOnQueryClose([](GUIElement* about) { return FormOf<FormAbout>(about)->ReleaseOwner(); });
    SetOnKeyChar(
        [](GUIElement* about, char c) { return FormOf<FormAbout>(about)->HandleKeyChar(c); });
}

void FormAbout::SetPicture(XImage* image, int imageWidth, int imageHeight)
{
    picture_ = image;
    pictureWidth_ = imageWidth;
    pictureHeight_ = imageHeight;
}

void FormAbout::BuildContent()
{
    const int w = GetClientWidth();
    const int h = GetClientHeight();
    const int textLeft = pictureWidth_ + 45;
    const int textWidth = w - textLeft - 10;
    BuildPicture(h);

    productCell_ = MakeCell(productLine_, textLeft, 17, textWidth, 25);
    productCell_->SetForeColor(kProductColor);
    ownershipCell_ = MakeCell(ownershipLine_, textLeft, 38, textWidth, 25);
    webCell_ = MakeLink(webAddress_, textLeft, kLinksTop, kWebCellWidth);
    mailCell_ = MakeLink(MailAddress(), pictureWidth_ + 255, kLinksTop, kMailCellWidth);
    noticeCell_ = MakeCell(noticeText_, textLeft, 95, textWidth, h - 145);
    noticeCell_->SetBevel(true);
    for (CellControl* cell : {productCell_.get(), ownershipCell_.get(), webCell_.get(),
                              mailCell_.get(), noticeCell_.get()}) {
        cell->Create();
    }

    okButton_ = std::make_unique<ButtonCustom>(this, "OK");
    okButton_->SetSize(80, 28);
    okButton_->Move(textLeft + textWidth / 2 - 40, h - 37);
    okButton_->SetCommand(CallFormMember<FormAbout, &FormAbout::ButtonClicked>);
    okButton_->Create();
}

void FormAbout::BuildPicture(int clientHeight)
{
    panel_ = std::make_unique<PanelChildren>(this);
    panel_->SetSize(pictureWidth_ + 20, clientHeight - 73);
    panel_->Move(10, 23);
    panel_->SetFramed(true);
    panel_->Create();

    pictureElement_ = std::make_unique<MyImage>(panel_.get(), picture_);
    pictureElement_->SetSize(pictureWidth_, pictureHeight_);
    pictureElement_->Move(kPictureMargin, kPictureMargin);
    pictureElement_->Create();
}

std::unique_ptr<CellControl> FormAbout::MakeCell(const std::string& text, int cellX, int cellY,
                                                 int cellWidth, int cellHeight)
{
    auto cell = std::make_unique<CellControl>(this);
    cell->SetText(text);
    cell->SetTextAlign(TextAlign::Left);
    cell->SetSize(cellWidth, cellHeight);
    cell->Move(cellX, cellY);
    return cell;
}

std::unique_ptr<CellControl> FormAbout::MakeLink(const std::string& text, int cellX, int cellY,
                                                 int cellWidth)
{
    auto cell = MakeCell(text, cellX, cellY, cellWidth, kLinkHeight);
    cell->SetForeColor(kLinkColor);
    cell->SetFlagB(true);
    cell->SetOnMouseDown(LinkPressed);
    return cell;
}

// The mailbox at the web address's domain; none when the address is too short to have one.
std::string FormAbout::MailAddress() const
{
    if (webAddress_.size() <= kWebPrefixLength) {
        return std::string();
    }
    return std::string(kMailboxName) + "@" + webAddress_.substr(kWebPrefixLength);
}

bool FormAbout::ReleaseOwner()
{
    if (holdingOwner_) {
        holdingOwner_ = false;
        GiveOwnerInputBack(owner_.Get(), this);
    }
    return true;
}

bool FormAbout::HandleKeyChar(char character)
{
    if (character != kReturnCharacter && character != kEscapeCharacter &&
        character != kDeleteCharacter) {
        return true;
    }
    ButtonClicked(okButton_.get());
    return false;
}

// Close may run an OnClose that deletes this box: nothing may follow it here.
void FormAbout::ButtonClicked(GUIElement* element)
{
    if (!element || !okButton_ || element->GetId() != okButton_->GetId() || !IsCreated()) {
        return;
    }
    if (ReleaseOwner()) {
        DestroyWindow();
        Close();
    }
}

void FormAbout::ElementClicked(GUIElement* element)
{
    if (IsElement(webCell_, element) && !webAddress_.empty()) {
        LaunchInBackground({"firefox", webAddress_});
    } else if (IsElement(mailCell_, element) && !mailCell_->GetText().empty()) {
        LaunchInBackground({"thunderbird", "-compose", "to=" + mailCell_->GetText()});
    }
}

}  // namespace tarnbrook
