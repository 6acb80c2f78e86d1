#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "app/ProductInfo.h"
#include "dialogs/FormAbout.h"
#include "dialogs/FormMsgBox.h"
#include "dialogs/FormNamePlayer.h"
#include "gfx/Screen.h"
#include "gfx/XImageFactory.h"
#include "support/BeepCounter.h"
#include "support/ChildProcesses.h"
#include "support/EventPump.h"
#include "support/FakeCommands.h"
#include "support/InputDriver.h"
#include "support/OwnerForm.h"
#include "support/RecordingChild.h"
#include "support/ReferencePaint.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {
namespace {

using Lines = std::vector<std::string>;
using Results = std::vector<std::pair<uint32_t, uint32_t>>;

constexpr uint32_t kOk = FormMsgBox::kResultOk;
constexpr uint32_t kYes = FormMsgBox::kResultYes;
constexpr uint32_t kNo = FormMsgBox::kResultNo;
constexpr int kPictureWidth = 40;
constexpr int kPictureHeight = 50;

// What a name dialog's OnClose saw, in order: the name taken at that moment.
Lines closings;
// When set, OnClose deletes the dialog, as an owner may.
std::unique_ptr<FormNamePlayer>* deleteOnClose = nullptr;

// Shown at (100, 80), 400 x 300, for dialogs to open over; records the results they report.
class Owner : public Form {
public:
    explicit Owner(Screen* screen) : Form(nullptr)
    {
        SetScreen(screen);
        SetPosition(100, 80);
        SetSize(400, 300);
        Show();
        testsupport::WaitViewable(screen->GetDisplay(), GetWindow());
    }
    void OnDialogResult(uint32_t dialogId, uint32_t result) override
    {
        results.emplace_back(dialogId, result);
        if (onResult) {
            onResult(dialogId);
        }
    }

    Results results;
    std::function<void(uint32_t dialogId)> onResult;
};

// Dialogs opened over an owner form, with real input handed to the event loop's dispatcher.
class DialogsDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        closings.clear();
        ASSERT_TRUE(input.Connected());
        ASSERT_TRUE(owner.IsCreated());
    }
    void TearDown() override { delete Application::messageBox; }

    void Pump() { testsupport::DispatchPending(&owner); }
    void ClickMiddle(GUIElement* element)
    {
        const Point at = element->GetPosition();
        input.Click(Application::GetParentForm(element)->GetWindow(),
                    at.x + element->GetWidth() / 2, at.y + element->GetHeight() / 2);
        Pump();
    }
    // The keys typed with the pointer in the form.
    void Type(Form* form, const std::vector<KeySym>& keys)
    {
        input.MoveTo(form->GetWindow(), 5, 5);
        for (KeySym key : keys) {
            input.TypeKey(key);
        }
        Pump();
    }
    void CloseFromWindowManager(Form* form)
    {
        input.SendDeleteWindow(form->GetWindow());
        Pump();
    }
    bool Shown(Form* form)
    {
        return testsupport::WaitViewable(screen.GetDisplay(), form->GetWindow());
    }
    bool HeldBy(Form* dialog) { return !owner.IsEnabled() && owner.GetActiveDialog() == dialog; }
    bool Free() { return owner.IsEnabled() && owner.GetActiveDialog() == nullptr; }
    static std::string At(Point point)
    {
        return std::to_string(point.x) + "," + std::to_string(point.y);
    }
    // The open message box, once it is on screen.
    FormMsgBox* Box()
    {
        auto* box = static_cast<FormMsgBox*>(Application::messageBox);
        EXPECT_TRUE(box && Shown(box));
        return box;
    }

    std::unique_ptr<FormAbout> MakeAbout(const std::string& webAddress = kWebAddress)
    {
        if (!picture) {
            std::vector<unsigned char> red(kPictureWidth * kPictureHeight * 3, 0);
            for (size_t i = 0; i < red.size(); i += 3) {
                red[i] = 0xFF;
            }
            picture = CreateXImage(&owner, red.data(), kPictureWidth, kPictureHeight);
        }
        auto about = std::make_unique<FormAbout>(&owner);
        about->SetPicture(picture.get(), kPictureWidth, kPictureHeight);
        about->SetProductLine(std::string(kProductName) + " 1.0");
        about->SetOwnershipLine(kOwnershipNotice);
        about->SetNoticeText(kNoticeText);
        about->SetWebAddress(webAddress);
        about->SetScreen(owner.GetScreen());
        return about;
    }
    std::unique_ptr<FormAbout> OpenAbout(const std::string& webAddress = kWebAddress)
    {
        std::unique_ptr<FormAbout> about = MakeAbout(webAddress);
        about->Show();
        EXPECT_TRUE(Shown(about.get()));
        Pump();
        return about;
    }

    std::unique_ptr<FormNamePlayer> OpenName(const std::string& prompt = "")
    {
        auto dialog = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        dialog->SetPrompt(prompt);
        dialog->SetOnClose([](GUIElement*) {
            closings.push_back(playerName);
            if (deleteOnClose) {
                deleteOnClose->reset();
            }
        });
        dialog->Show();
        EXPECT_TRUE(Shown(dialog.get()));
        Pump();
        return dialog;
    }

    // Once "go" exists (a caller that waited would hang), appends "$#" and "$@" to NAME.txt.
    void FakeProgramWaitingForGo(const std::string& name)
    {
        const std::string go = folder.Path() + "/go";
        const std::string out = folder.Path() + "/" + name + ".txt";
        folder.Write("fake-bin/" + name,
                     "#!/bin/sh\nwhile [ ! -e '" + go +
                         "' ]; do sleep 0.02; done\nprintf '%s\\n' \"$#\" \"$@\" >> '" + out +
                         "'\n");
        chmod((folder.Path() + "/fake-bin/" + name).c_str(), 0755);
    }

    testsupport::ScratchFolder folder;
    Screen screen{"tests"};  // closed only after the owner's window and font are gone
    Owner owner{&screen};
    testsupport::InputDriver input;
    ImagePtr picture;
};

// An ownerless box is centred on the first form; the next replaces it without a result. The
// hidden NO of an OK box takes the Tab focus but not Return. A closed box is kept until replaced.
TEST_F(DialogsDisplayTest, BoxesReportOkOneYesThreeNoFourAndTheWindowManagersCloseZero)
{
    const int windowsBefore = testsupport::CountTopLevelWindows(screen.GetDisplay());
    ShowMsgBox("Hello", "Hi");
    ElementWatch<FormMsgBox> first(Box());
    EXPECT_EQ(first->GetOwnerForm(), &owner);
    EXPECT_EQ(first->GetDialogId(), 0u);
    const Point ownerAt = owner.GetPosition();
    EXPECT_EQ(At(first->GetPosition()),
              At(Point{ownerAt.x + (400 - 250) / 2 + 1, ownerAt.y + (300 - 150) / 2 + 1}));
    ShowMsgBoxYesNo(9, "Sure?", "Hi");
    EXPECT_FALSE(first);
    EXPECT_TRUE(HeldBy(Box()));
    EXPECT_EQ(Box()->GetFirstButton()->GetText() + Box()->GetSecondButton()->GetText(), "YESNO");
    EXPECT_TRUE(owner.results.empty());
    EXPECT_EQ(testsupport::CountTopLevelWindows(screen.GetDisplay()), windowsBefore + 1);
    ClickMiddle(Box()->GetFirstButton());

    ShowMsgBox(7, &owner, "Saved.", "Note");
    FormMsgBox* box = Box();
    EXPECT_EQ(box->GetFirstButton()->GetText(), "OK");
    EXPECT_FALSE(box->GetSecondButton()->IsCreated());
    Type(box, {XK_Tab, XK_Tab});
    ASSERT_EQ(Application::focused, box->GetSecondButton());
    Type(box, {XK_Return});
    EXPECT_EQ(owner.results.size(), 1u);
    ClickMiddle(box->GetFirstButton());
    EXPECT_TRUE(Free());
    EXPECT_FALSE(box->IsCreated());
    EXPECT_EQ(Application::messageBox, box);

    ShowMsgBoxYesNo(1000, &owner, "Do you really want to go exit?", "Exit");
    ClickMiddle(Box()->GetSecondButton());
    ShowMsgBoxYesNo(5, &owner, "Leave?", "Exit");
    box = Box();
    CloseFromWindowManager(box);
    EXPECT_EQ(owner.results,
              (Results{{9, kYes}, {7, kOk}, {1000, kNo}, {5, FormMsgBox::kResultNone}}));
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_FALSE(box->IsCreated());

    // The next box deletes the one whose OK is running; the same through Return on YES.
    owner.results.clear();
    owner.onResult = [this](uint32_t dialogId) {
        if (dialogId == 1) {
            ShowMsgBoxYesNo(2, &owner, "Next", "Two");
        }
    };
    ShowMsgBox(1, &owner, "First", "One");
    ElementWatch<FormMsgBox> running(Box());
    ClickMiddle(running->GetFirstButton());
    EXPECT_FALSE(running);
    EXPECT_EQ(owner.results, (Results{{1, kOk}}));
    EXPECT_FALSE(owner.IsEnabled());
    FormMsgBox* second = Box();
    EXPECT_EQ(second->GetDialogId(), 2u);
    Type(second, {XK_Tab, XK_Return});
    EXPECT_EQ(owner.results, (Results{{1, kOk}, {2, kYes}}));
}

// The focused child loses the focus; the box's keys other than its buttons' reach nothing.
TEST_F(DialogsDisplayTest, OwnersChildrenGetNoInputWhileABoxIsOpen)
{
    Lines journal;
    testsupport::RecordingChild child(&owner, "child", &journal);
    child.SetPosition(10, 10);
    child.SetSize(60, 40);
    child.Create();
    Application::focused = &child;

    ShowMsgBox(3, &owner, "Wait", "Busy");
    FormMsgBox* box = Box();
    EXPECT_EQ(journal, Lines{"child.LostFocus"});
    EXPECT_EQ(Application::focused, nullptr);
    Type(box, {XK_a, XK_Return});
    EXPECT_EQ(journal, Lines{"child.LostFocus"});
    EXPECT_TRUE(owner.results.empty());
}

// NO to the exit question leaves the owner to the name dialog; either may go first.
TEST_F(DialogsDisplayTest, TheOwnerIsFreeOnlyWhenTheLastOfItsDialogsHasGone)
{
    for (bool questionFirst : {true, false}) {
        std::unique_ptr<FormNamePlayer> name = OpenName();
        ShowMsgBoxYesNo(1000, &owner, "Do you really want to go exit?", "Exit");
        FormMsgBox* question = Box();
        Pump();
        EXPECT_TRUE(HeldBy(question));
        if (questionFirst) {
            ClickMiddle(question->GetSecondButton());
            EXPECT_EQ(owner.results, (Results{{1000, kNo}}));
            EXPECT_TRUE(HeldBy(name.get()));
            CloseFromWindowManager(name.get());
        } else {
            CloseFromWindowManager(name.get());
            EXPECT_TRUE(HeldBy(question));
            CloseFromWindowManager(question);
        }
        EXPECT_TRUE(Free());
    }
    auto name = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
    ShowMsgBox(&owner, "Note", "Note");
    EXPECT_TRUE(HeldBy(Application::messageBox));
    name.reset();
    EXPECT_TRUE(HeldBy(Application::messageBox));
    delete Application::messageBox;
    EXPECT_TRUE(Free());
}

// Opening clears the name; the prompt is a line 14 high; an empty OK beeps and the dialog stays.
TEST_F(DialogsDisplayTest, AnEmptyNameBeepsAndATypedOneIsTakenByReturnOkOrDelete)
{
    testsupport::BeepCounter beeps(folder.Path());
    playerName = "earlier";
    auto dialog = OpenName("Your name:");
    EXPECT_EQ(playerName, "");
    EXPECT_TRUE(HeldBy(dialog.get()));
    CellControl* prompt = dialog->GetPromptLabel();
    EXPECT_EQ(prompt->GetText(), "Your name:");
    EXPECT_EQ(At(prompt->GetSize()), At(Point{dialog->GetClientWidth(), 14}));
    dialog->SetPrompt("Again:");
    EXPECT_EQ(prompt->GetText(), "Again:");
    EXPECT_EQ(Application::focused, dialog->GetTextBox());
    ClickMiddle(dialog->GetOkButton());
    EXPECT_EQ(beeps.Count(), 1);  // the next beep may play
    Type(dialog.get(), {XK_space, XK_Return});
    EXPECT_TRUE(dialog->IsCreated());
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_TRUE(closings.empty());
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Application::focused, dialog->GetTextBox());

    // Taken by Return: deleted afterwards, the dialog does not give its owner back again.
    dialog.reset();
    dialog = OpenName();
    Type(dialog.get(), {XK_a, XK_n, XK_n, XK_Return});
    EXPECT_FALSE(dialog->IsCreated());
    EXPECT_TRUE(Free());
    EXPECT_EQ(playerName, "ann");
    owner.SetEnabled(false);
    dialog.reset();
    EXPECT_FALSE(owner.IsEnabled());
    owner.SetEnabled(true);

    dialog = OpenName();
    Type(dialog.get(), {XK_b, XK_o});
    ClickMiddle(dialog->GetOkButton());
    EXPECT_EQ(closings, (Lines{"ann", "bo"}));
    EXPECT_EQ(beeps.Count(), 2);

    dialog = OpenName();  // the eleventh character beeps; Delete acts as OK
    Type(dialog.get(), {XK_a, XK_b, XK_c, XK_d, XK_e, XK_f, XK_g, XK_h, XK_i, XK_j, XK_k});
    EXPECT_EQ(beeps.Count(), 3);
    Type(dialog.get(), {XK_Delete});
    EXPECT_EQ(playerName, "abcdefghij");
    EXPECT_FALSE(dialog->IsCreated());

    // The window manager's close keeps an empty name; OnClose may delete the dialog.
    dialog = OpenName();
    Type(dialog.get(), {XK_z, XK_o, XK_e});
    CloseFromWindowManager(dialog.get());
    EXPECT_FALSE(dialog->IsCreated());
    EXPECT_TRUE(Free());

    deleteOnClose = &dialog;
    dialog = OpenName();
    Type(dialog.get(), {XK_a, XK_Return});
    EXPECT_EQ(dialog, nullptr);
    dialog = OpenName();
    Type(dialog.get(), {XK_b});
    ClickMiddle(dialog->GetOkButton());
    EXPECT_EQ(dialog, nullptr);
    dialog = OpenName();
    CloseFromWindowManager(dialog.get());
    EXPECT_EQ(dialog, nullptr);
    deleteOnClose = nullptr;
    EXPECT_EQ(closings, (Lines{"ann", "bo", "abcdefghij", "", "a", "b", ""}));
    EXPECT_TRUE(owner.IsEnabled());
}

// Centred on its owner, which it holds: picture in the sunken panel, product line in white.
TEST_F(DialogsDisplayTest, TheAboutBoxShowsItsPictureAndTextsCentredOnItsOwnerUntilClosed)
{
    std::unique_ptr<FormAbout> about = OpenAbout();
    EXPECT_TRUE(HeldBy(about.get()));
    EXPECT_EQ(about->GetCaption(), "Info...");
    const Point ownerAt = owner.GetPosition();
    EXPECT_EQ(At(about->GetPosition()),
              At(Point{ownerAt.x + (400 - 600) / 2 + 1, ownerAt.y + (300 - 210) / 2 + 1}));
    EXPECT_EQ(At(about->GetOkButton()->GetPosition()), "297,173");
    EXPECT_EQ(about->GetMailCell()->GetText(), "info@tarnbrook.test");

    const testsupport::Area shot =
        testsupport::ReadArea(screen.GetDisplay(), about->GetWindow(), 0, 0, 600, 210);
    EXPECT_EQ(shot.At(15, 28), 0xFF0000);
    EXPECT_EQ(shot.At(15 + kPictureWidth - 1, 28 + kPictureHeight - 1), 0xFF0000);
    EXPECT_EQ(shot.At(10, 23), 0);  // the sunken frame's dark corner
    const testsupport::Area productLine = shot.Crop(kPictureWidth + 45, 17, 500, 25);
    EXPECT_GT(std::count(productLine.pixels.begin(), productLine.pixels.end(), 0xFFFFFF), 20);

    // Each link is drawn whole: its ink reaches past the text without its last character.
    XFontStruct* font = owner.GetFont().GetFontStruct(screen.GetDisplay());
    for (CellControl* link : {about->GetWebCell(), about->GetMailCell()}) {
        const std::string text = link->GetText();
        const int cut = XTextWidth(font, text.data(), static_cast<int>(text.size()) - 1);
        const Point at = link->GetPosition();
        const testsupport::Area tail =
            shot.Crop(at.x + cut, at.y, link->GetWidth() - cut, link->GetHeight());
        EXPECT_NE(std::count(tail.pixels.begin(), tail.pixels.end(), 0x0000FF), 0) << text;
    }

    // Escape, Return, Delete, OK, the window manager or deletion free the owner without result.
    const std::vector<std::function<void(FormAbout*)>> closers{
        [&](FormAbout* form) {
            Type(form, {XK_a, XK_Escape});
        },
        [&](FormAbout* form) { Type(form, {XK_Return}); },
        [&](FormAbout* form) { Type(form, {XK_Delete}); },
        [&](FormAbout* form) { ClickMiddle(form->GetOkButton()); },
        [&](FormAbout* form) { CloseFromWindowManager(form); }};
    for (const auto& close : closers) {
        about = OpenAbout();
        close(about.get());
        EXPECT_FALSE(about->IsCreated());
        EXPECT_TRUE(Free());
    }
    for (bool shown : {true, false}) {
        about = shown ? OpenAbout() : MakeAbout();
        about.reset();
        EXPECT_TRUE(owner.IsEnabled());
    }
    EXPECT_TRUE(owner.results.empty());
}

// The loop goes on while the programs wait; an address is one argument whatever it holds; no
// zombie, no copy of the game. An address with nothing after "www." has no mail link.
TEST_F(DialogsDisplayTest, LinkCellsStartTheirProgramsWithoutWaitingAndLeaveNoZombie)
{
    const std::string address = "https://www.odd.example/a b'c\";$(touch pwned)`touch pwned`";
    const std::string mail = "info@odd.example/a b'c\";$(touch pwned)`touch pwned`";
    testsupport::FakeCommands onPath(folder.Path());
    FakeProgramWaitingForGo("firefox");
    FakeProgramWaitingForGo("thunderbird");
    std::unique_ptr<FormAbout> about = OpenAbout(address);
    EXPECT_EQ(about->GetMailCell()->GetText(), mail);
    ClickMiddle(about->GetWebCell());
    ClickMiddle(about->GetWebCell());
    ClickMiddle(about->GetMailCell());
    Type(about.get(), {XK_Escape});
    EXPECT_FALSE(about->IsCreated());
    EXPECT_EQ(folder.Read("firefox.txt") + folder.Read("thunderbird.txt"), "");
    EXPECT_EQ(testsupport::CopiesOfThisProgram(), std::vector<pid_t>{});

    folder.Write("go", "");
    const std::string browser = "1\n" + address + "\n";
    const std::string mailer = "2\n-compose\nto=" + mail + "\n";
    EXPECT_TRUE(testsupport::WaitFor([&] {
        return folder.Read("firefox.txt") == browser + browser &&
               folder.Read("thunderbird.txt") == mailer;
    }));
    EXPECT_FALSE(folder.Exists("pwned"));
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);

    about = OpenAbout("https://www.");
    EXPECT_EQ(about->GetMailCell()->GetText(), "");
    about->ElementClicked(about->GetMailCell());
    about->ElementClicked(about->GetOkButton());  // not a link
    EXPECT_EQ(folder.Read("thunderbird.txt"), mailer);
}

// Answered, closed by the window manager or deleted while open, dialogs leave nothing behind.
TEST_F(DialogsDisplayTest, ManyOfEachDialogLeaveNoWindowsOrElementsBehind)
{
    ShowMsgBox(0, &owner, "Warm-up", "T");
    Box()->ButtonClicked(Box()->GetFirstButton());
    const int windows = testsupport::CountTopLevelWindows(screen.GetDisplay());
    const size_t elements = Application::elements.size();
    const size_t forms = Application::forms.size();
    for (int i = 0; i < 100; ++i) {
        ShowMsgBoxYesNo(static_cast<uint32_t>(i), &owner, "Round " + std::to_string(i), "T");
        auto* box = static_cast<FormMsgBox*>(Application::messageBox);
        auto about = MakeAbout();
        about->Show();
        auto name = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        name->Show();
        if (i % 3 == 0) {
            box->GetFirstButton()->MouseDown(Point{150, 120});
            box->GetFirstButton()->MouseUp(Point{150, 120});
            about->HandleKeyChar(27);
            name->GetTextBox()->KeyChar('x');
            name->FilterKeyChar(13);
        } else if (i % 3 == 1) {
            for (Form* dialog : std::vector<Form*>{box, about.get(), name.get()}) {
                input.SendDeleteWindow(dialog->GetWindow());
            }
            Pump();
        }
    }
    Pump();
    EXPECT_EQ(testsupport::CountTopLevelWindows(screen.GetDisplay()), windows);
    EXPECT_EQ(Application::elements.size(), elements);
    EXPECT_EQ(Application::forms.size(), forms);
    EXPECT_EQ(owner.results.size(), 1u + 67u);
    EXPECT_TRUE(Free());
}

}  // namespace
}  // namespace tarnbrook
