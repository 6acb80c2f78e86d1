#include "gallery/FormGallery.h"

#include "app/Application.h"
#include "app/ProductInfo.h"
#include "dialogs/FormAbout.h"
#include "dialogs/FormMsgBox.h"
#include "dialogs/FormNamePlayer.h"
#include "game/BuiltInPictures.h"
#include "gfx/EmbeddedImage.h"
#include "gfx/MyImage.h"
#include "ui/CellControl.h"
#include "ui/FormOf.h"
#include "ui/ImageFrame.h"
#include "ui/PanelChildren.h"
#include "ui/Timer.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/MarkPictures.h"
#include "ui/widgets/OptionBox.h"
#include "ui/widgets/ProgressBar.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Slider.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {

namespace {

constexpr int64_t kHeading = 0x000080;
constexpr int kLabelHeight = 16;
constexpr int kTimerInterval = 500;  // ms of idle time between two turns of the mark

// The four option-mark pictures the timer turns through.
const unsigned char* const kMarkStates[] = {
    OptionMarkPicture(true, true),
    OptionMarkPicture(true, false),
    OptionMarkPicture(false, true),
    OptionMarkPicture(false, false),
};

template <typename T>
T* Keep(std::vector<std::unique_ptr<GUIElement>>& owner, std::unique_ptr<T> element)
{
    T* kept = element.get();
    owner.push_back(std::move(element));
    return kept;
}

}  // namespace

FormGallery::FormGallery(Screen* screen) : Form(nullptr)
{
    SetScreen(screen);
    SetSize(kWidth, kHeight);
    SetBackColor(kBackColor);
    SetCaption("Tarnbrook widget gallery");
    SetOnLoad(Loaded);
    SetOnQueryClose(CloseRequested);
    CenterOnScreen();
}

FormGallery::~FormGallery() = default;

void FormGallery::Loaded(GUIElement* form, int64_t)
{
    FormOf<FormGallery>(form)->BuildContent();
}

// The window manager's close button ends the gallery like Quit.
bool FormGallery::CloseRequested(GUIElement*)
{
    Application::quitRequested = true;
    return true;
}

void FormGallery::BuildContent()
{
    CellControl* title =
        AddLabel("Tarnbrook widget gallery: every element of the toolkit, live", 10, 8, 620, 20);
    title->SetForeColor(kHeading);
    BuildValues();
    BuildChoices();
    BuildTextBoxes();
    BuildDialogButtons();
    BuildPictures();
}

CellControl* FormGallery::AddLabel(const std::string& caption, int left, int top, int w, int h)
{
    auto label = std::make_unique<CellControl>(this);
    label->SetText(caption);
    label->SetTextAlign(TextAlign::Left);
    label->SetBackColor(kBackColor);
    label->SetSize(w, h);
    label->SetPosition(left, top);
    label->Create();
    return Keep(elements_, std::move(label));
}

// Sliders, the progress bar and the scroll bars: values picked with the mouse or the keys.
void FormGallery::BuildValues()
{
    AddLabel("Slider 0..10 drives the progress bar", 10, 36, 300, kLabelHeight);
    auto slider = std::make_unique<Slider>(this, false, 0, 10);
    slider->SetSize(200, 36);
    slider->SetPosition(10, 54);
    slider->SetValue(4);
    slider->SetChangeHandler(SliderMoved);
    slider->Create();
    slider_ = Keep(elements_, std::move(slider));
    sliderValue_ = AddLabel("Value 4", 220, 64, 90, kLabelHeight);

    auto progress = std::make_unique<ProgressBar>(this, 0, 10);
    progress->SetPosition(10, 96);
    progress->SetValue(4);
    progress->Create();
    progress_ = Keep(elements_, std::move(progress));

    AddLabel("Scroll bar: 600 units, pages of 200", 10, 128, 300, kLabelHeight);
    auto bar = std::make_unique<ScrollBar>(this, 0, 600);
    bar->SetSize(242, 21);
    bar->SetPosition(10, 148);
    bar->SetScrollHandler(Scrolled);
    bar->Create();
    scrollBar_ = Keep(elements_, std::move(bar));
    scrollValue_ = AddLabel("At 0", 262, 150, 60, kLabelHeight);

    auto level = std::make_unique<Slider>(this, true, 0, 6);
    level->SetSize(40, 132);
    level->SetPosition(560, 36);
    level->SetValue(2);
    level->SetChangeHandler(LevelMoved);
    level->Create();
    levelSlider_ = Keep(elements_, std::move(level));
    levelValue_ = AddLabel("Level 2", 560, 172, 70, kLabelHeight);

    auto upright = std::make_unique<ScrollBar>(this, 0, 270);
    upright->SetVertical(true);
    upright->SetSize(21, 132);
    upright->SetPosition(606, 36);
    upright->SetValue(90);
    upright->Create();
    Keep(elements_, std::move(upright));
}

// The option box and the check boxes.
void FormGallery::BuildChoices()
{
    AddLabel("Option box", 330, 36, 100, kLabelHeight);
    auto options = std::make_unique<OptionBox>(this);
    options->SetSize(100, 78);
    options->SetPosition(330, 54);
    options->AddItem("Easy", "e");
    options->AddItem("Normal", "n");
    options->AddItem("Hard", "h");
    options->SetSelectedIndex(1);
    options->SetCommand(OptionChosen);
    options->Create();
    options_ = Keep(elements_, std::move(options));
    choice_ = AddLabel("Chosen: Normal (n)", 330, 134, 200, kLabelHeight);

    AddLabel("Check boxes", 440, 36, 110, kLabelHeight);
    auto labels = std::make_unique<CheckBox>(this, "Labels");
    labels->SetSize(110, 26);
    labels->SetPosition(440, 54);
    labels->SetChecked(true);
    labels->SetCommand(LabelsSwitched);
    labels->Create();
    labelsBox_ = Keep(elements_, std::move(labels));

    auto input = std::make_unique<CheckBox>(this, "Input");
    input->SetSize(110, 26);
    input->SetPosition(440, 80);
    input->SetChecked(true);
    input->SetCommand(InputSwitched);
    input->Create();
    inputBox_ = Keep(elements_, std::move(input));

    auto disabled = std::make_unique<CheckBox>(this, "Disabled");
    disabled->SetSize(110, 26);
    disabled->SetPosition(440, 106);
    disabled->SetChecked(true);
    disabled->Enable(false);
    disabled->Create();
    Keep(elements_, std::move(disabled));
}

TextBoxCustom* FormGallery::AddTextBox(const std::string& caption, const std::string& text, int top)
{
    AddLabel(caption, 10, top + 4, 90, kLabelHeight);
    auto box = std::make_unique<TextBoxCustom>(this, text);
    box->SetSize(200, 24);
    box->SetPosition(100, top);
    return Keep(elements_, std::move(box));
}

// One text box per input mode.
void FormGallery::BuildTextBoxes()
{
    AddLabel("Text boxes, one per mode", 10, 182, 300, kLabelHeight);
    AddTextBox("Single line", "Edit me", 202)->Create();
    TextBoxCustom* digits = AddTextBox("Digits", "3.14", 230);
    digits->SetDigitsOnly(true);
    digits->SetAllowDecimalPoint(true);
    digits->Create();
    TextBoxCustom* date = AddTextBox("Date", "24/12/2025", 258);
    date->SetDateMode(true);
    date->Create();
    TextBoxCustom* secret = AddTextBox("Password", "secret", 286);
    secret->SetPassword(true);
    secret->Create();
    TextBoxCustom* fixed = AddTextBox("Read-only", "Look, no caret", 314);
    fixed->SetReadOnly(true);
    fixed->Create();

    AddLabel("Multi-line: Return breaks lines", 330, 182, 220, kLabelHeight);
    auto memo = std::make_unique<TextBoxCustom>(this, "Several lines\rof text,\rtyped in place.");
    memo->SetMemo(true);
    memo->SetSize(290, 136);
    memo->SetPosition(330, 202);
    memo->Create();
    Keep(elements_, std::move(memo));
}

ButtonCustom* FormGallery::AddButton(const std::string& caption, int left, int top)
{
    auto button = std::make_unique<ButtonCustom>(this, caption);
    button->SetSize(90, 28);
    button->SetPosition(left, top);
    button->SetCommand(ButtonPressed);
    button->Create();
    return Keep(elements_, std::move(button));
}

// The dialogs, each behind a button, and what they answered.
void FormGallery::BuildDialogButtons()
{
    AddLabel("Dialogs", 10, 350, 300, kLabelHeight);
    messageButton_ = AddButton("Message", 10, 370);
    questionButton_ = AddButton("Question", 106, 370);
    nameButton_ = AddButton("Name", 202, 370);
    aboutButton_ = AddButton("About", 298, 370);
    quitButton_ = AddButton("Quit", 394, 370);
    report_ = AddLabel("No dialog opened yet", 10, 408, 470, kLabelHeight);
}

// A panel holding a picture and a frame whose mark the timer turns.
void FormGallery::BuildPictures()
{
    AddLabel("Pictures and a timer", 490, 350, 145, kLabelHeight);
    auto panel = std::make_unique<PanelChildren>(this);
    panel->SetFramed(true);
    panel->SetBackColor(0xFFFFFF);
    panel->SetSize(140, 40);
    panel->SetPosition(490, 370);
    PanelChildren* frame = Keep(elements_, std::move(panel));

    auto picture =
        std::make_unique<MyImage>(frame, TickBoxPicture(true, true), kMarkSize, kMarkSize);
    picture->SetPosition(10, 10);
    MyImage* tickBox = Keep(elements_, std::move(picture));

    auto turning = std::make_unique<ImageFrame>(frame, kMarkStates, 4, kMarkSize, kMarkSize, 0, 0);
    turning->SetSize(kMarkSize, kMarkSize);
    turning->SetPosition(40, 10);
    turningMark_ = Keep(elements_, std::move(turning));

    auto count = std::make_unique<CellControl>(frame);
    count->SetText("0 turns");
    count->SetTextAlign(TextAlign::Left);
    count->SetBackColor(0xFFFFFF);
    count->SetSize(70, 20);
    count->SetPosition(66, 10);
    tickCount_ = Keep(elements_, std::move(count));

    frame->Create();
    tickBox->Create();
    turningMark_->Create();
    tickCount_->Create();

    timer_ = std::make_unique<Timer>(this, kTimerInterval);
    timer_->SetOnTimer(TimerTicked);
    timer_->Create();
    timer_->Start();
}

void FormGallery::SliderMoved(Slider* slider, int value)
{
    FormGallery* gallery = FormOf<FormGallery>(slider);
    gallery->progress_->SetValue(value);
    gallery->sliderValue_->SetText("Value " + std::to_string(value));
}

void FormGallery::LevelMoved(Slider* slider, int value)
{
    FormOf<FormGallery>(slider)->levelValue_->SetText("Level " + std::to_string(value));
}

void FormGallery::Scrolled(ScrollBar* bar, int64_t tenTimesValue)
{
    FormOf<FormGallery>(bar)->scrollValue_->SetText("At " + std::to_string(tenTimesValue / 10));
}

void FormGallery::OptionChosen(GUIElement* sender)
{
    auto* options = static_cast<OptionBox*>(sender);
    const int chosen = options->GetSelectedIndex();
    FormOf<FormGallery>(sender)->choice_->SetText("Chosen: " + options->GetCaption(chosen) + " (" +
                                                  options->GetValue(chosen) + ")");
}

void FormGallery::LabelsSwitched(GUIElement* sender)
{
    FormGallery* gallery = FormOf<FormGallery>(sender);
    const bool shown = gallery->labelsBox_->IsChecked();
    gallery->slider_->SetShowLabels(shown);
    gallery->levelSlider_->SetShowLabels(shown);
}

void FormGallery::InputSwitched(GUIElement* sender)
{
    FormGallery* gallery = FormOf<FormGallery>(sender);
    const bool on = gallery->inputBox_->IsChecked();
    gallery->slider_->Enable(on);
    gallery->levelSlider_->Enable(on);
}

void FormGallery::ButtonPressed(GUIElement* sender)
{
    FormGallery* gallery = FormOf<FormGallery>(sender);
    if (sender == gallery->messageButton_) {
        ShowMsgBox(kMessageId, gallery, "A message box with one button.", "Message");
    } else if (sender == gallery->questionButton_) {
        ShowMsgBoxYesNo(kQuestionId, gallery, "Do you like the gallery?", "Question");
    } else if (sender == gallery->nameButton_) {
        gallery->OpenNameEntry();
    } else if (sender == gallery->aboutButton_) {
        gallery->OpenAbout();
    } else if (sender == gallery->quitButton_) {
        Application::quitRequested = true;
    }
}

void FormGallery::OnDialogResult(uint32_t dialogId, uint32_t result)
{
    if (dialogId == kMessageId) {
        Report("The message box was closed");
        return;
    }
    if (result == FormMsgBox::kResultYes) {
        Report("The question was answered YES");
    } else if (result == FormMsgBox::kResultNo) {
        Report("The question was answered NO");
    } else {
        Report("The question was closed unanswered");
    }
}

void FormGallery::Report(const std::string& text)
{
    report_->SetText(text);
}

// The name dialog is deleted when the next one opens or with the gallery.
void FormGallery::OpenNameEntry()
{
    nameEntry_.reset();
    nameEntry_ = std::make_unique<FormNamePlayer>(this, "Top Ten");
    nameEntry_->SetPrompt("Insert your name:");
    nameEntry_->SetOnClose(NameEntered);
    const Point at = GetPosition();
    nameEntry_->Move(at.x + (width - FormNamePlayer::kWidth) / 2,
                     at.y + (height - FormNamePlayer::kHeight) / 2);
    nameEntry_->Show();
}

void FormGallery::NameEntered(GUIElement* dialog)
{
    auto* entry = static_cast<FormNamePlayer*>(dialog);
    auto* gallery = static_cast<FormGallery*>(entry->GetOwnerForm());
    if (gallery) {
        gallery->Report(playerName.empty() ? "The name dialog was closed without a name"
                                           : "Name entered: " + playerName);
    }
}

// The about box is deleted when the next one opens or with the gallery.
void FormGallery::OpenAbout()
{
    about_.reset();
    if (!aboutPicture_) {
        aboutPicture_ = CreateXImage(
            this, Convert4BitImage(kAboutBanner.width, kAboutBanner.height, kAboutBanner.data));
    }
    about_ = std::make_unique<FormAbout>(this);
    about_->SetPicture(aboutPicture_.get(), kAboutBanner.width, kAboutBanner.height);
    about_->SetProductLine(kProductName);
    about_->SetOwnershipLine(kOwnershipNotice);
    about_->SetNoticeText(kNoticeText);
    about_->SetWebAddress(kWebAddress);
    about_->SetScreen(GetScreen());
    about_->Show();
    Report("The about box is open");
}

void FormGallery::TimerTicked(Timer* timer)
{
    FormGallery* gallery = FormOf<FormGallery>(timer);
    ++gallery->ticks_;
    gallery->turningMark_->SetCell(gallery->ticks_ % 4, 0);
    gallery->tickCount_->SetText(std::to_string(gallery->ticks_) + " turns");
}

}  // namespace tarnbrook
