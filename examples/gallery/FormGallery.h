#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/XImageFactory.h"
#include "ui/Form.h"

namespace tarnbrook {

class ButtonCustom;
class CellControl;
class CheckBox;
class FormAbout;
class FormNamePlayer;
class ImageFrame;
class MyImage;
class OptionBox;
class PanelChildren;
class ProgressBar;
class ScrollBar;
class Slider;
class TextBoxCustom;
class Timer;

// The toolkit's living documentation: one window with every element, wired so that each shows
// what it does. The horizontal slider drives the progress bar, the check boxes switch the
// sliders' labels and input, the option box and the scroll bars report their values, the text
// boxes show each input mode, the buttons open each dialog and report what it answered, and a
// timer turns an option mark through its four pictures.
//
// Reading order: BuildContent lays the window out section by section; the handlers after it are
// plain functions that find the gallery from the element that called them.
class FormGallery : public Form {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    static constexpr int64_t kBackColor = 0xD4D0C8;
    static constexpr uint32_t kMessageId = 1;
    static constexpr uint32_t kQuestionId = 2;

    explicit FormGallery(Screen* screen);
    ~FormGallery() override;

    void OnDialogResult(uint32_t dialogId, uint32_t result) override;

    // Slots after those of Form.
    virtual void BuildContent();

private:
    // Sections of the window, top to bottom.
    void BuildValues();
    void BuildChoices();
    void BuildTextBoxes();
    void BuildDialogButtons();
    void BuildPictures();

    CellControl* AddLabel(const std::string& caption, int left, int top, int w, int h);
    TextBoxCustom* AddTextBox(const std::string& caption, const std::string& text, int top);
    ButtonCustom* AddButton(const std::string& caption, int left, int top);

    static void SliderMoved(Slider* slider, int value);
    static void LevelMoved(Slider* slider, int value);
    static void Scrolled(ScrollBar* bar, int64_t tenTimesValue);
    static void OptionChosen(GUIElement* sender);
    static void LabelsSwitched(GUIElement* sender);
    static void InputSwitched(GUIElement* sender);
    static void ButtonPressed(GUIElement* sender);
    static void NameEntered(GUIElement* dialog);
    static void TimerTicked(Timer* timer);
    static bool CloseRequested(GUIElement* form);
    static void Loaded(GUIElement* form, int64_t userValue);

    void OpenNameEntry();
    void OpenAbout();
    void Report(const std::string& text);

    // Every element of the window, in the order they are made (which is the Tab order).
    std::vector<std::unique_ptr<GUIElement>> elements_;
    Slider* slider_ = nullptr;
    CellControl* sliderValue_ = nullptr;
    ProgressBar* progress_ = nullptr;
    ScrollBar* scrollBar_ = nullptr;
    CellControl* scrollValue_ = nullptr;
    Slider* levelSlider_ = nullptr;
    CellControl* levelValue_ = nullptr;
    OptionBox* options_ = nullptr;
    CellControl* choice_ = nullptr;
    CheckBox* labelsBox_ = nullptr;
    CheckBox* inputBox_ = nullptr;
    ButtonCustom* messageButton_ = nullptr;
    ButtonCustom* questionButton_ = nullptr;
    ButtonCustom* nameButton_ = nullptr;
    ButtonCustom* aboutButton_ = nullptr;
    ButtonCustom* quitButton_ = nullptr;
    CellControl* report_ = nullptr;
    ImageFrame* turningMark_ = nullptr;
    CellControl* tickCount_ = nullptr;
    std::unique_ptr<Timer> timer_;
    int ticks_ = 0;
    ImagePtr aboutPicture_;
    std::unique_ptr<FormAbout> about_;
    std::unique_ptr<FormNamePlayer> nameEntry_;
};

}  // namespace tarnbrook
