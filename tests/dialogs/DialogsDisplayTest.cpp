#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <sys/stat.h>
#include <sys/wait.h>

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
#include "support/ReferencePaint.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"
#include "support/WindowState.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {
namespace {

using Lines = std::vector<std::string>;
using Results = std::vector<std::pair<uint32_t, uint32_t>>;

constexpr uint32_t kNone = FormMsgBox::kResultNone, kYes = FormMsgBox::kResultYes;
constexpr uint32_t kNo = FormMsgBox::kResultNo, kAnsweredOk = FormMsgBox::kResultOk;

constexpr int kPictureWidth = 40;
constexpr int kPictureHeight = 50;

// The names a name dialog's OnClose saw; with deleteOnClose set, OnClose deletes the dialog.
Lines closings;
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
        const std::vector<unsigned char> white(kPictureWidth * kPictureHeight * 3, 0xFF);
        picture = CreateXImage(&owner, white.data(), kPictureWidth, kPictureHeight);
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
    enum Way { kReturn, kDelete, kOk, kWindowManager, kEscape };
    void CloseBy(int way, Form* dialog, GUIElement* ok = nullptr)
    {
        const KeySym keys[] = {XK_Return, XK_Delete, 0, 0, XK_Escape};
        if (way == kOk) {
            ClickMiddle(ok);
        } else if (way == kWindowManager) {
            input.SendDeleteWindow(dialog->GetWindow());
            Pump();
        } else {
            Type(dialog, {keys[way]});
        }
    }
    bool Shown(Form* form)
    {
        const bool shown = testsupport::WaitViewable(screen.GetDisplay(), form->GetWindow());
        Pump();
        return shown;
    }
    // "" when the dialog looks, pixel for pixel, as the picture of that name.
    std::string Looks(Form* dialog, const std::string& picture)
    {
        return testsupport::PictureDifference(
            testsupport::ReadArea(screen.GetDisplay(), dialog->GetWindow(), 0, 0,
                                  dialog->GetClientWidth(), dialog->GetClientHeight()),
            picture);
    }
    // The owner disabled, with the dialog as its active one, which window managers know as the
    // owner's modal dialog.
    bool HeldBy(Form* dialog)
    {
        Display* display = screen.GetDisplay();
        const Window window = dialog->GetWindow();
        const Atom modal = XInternAtom(display, "_NET_WM_STATE_MODAL", False);
        return !owner.IsEnabled() && owner.GetActiveDialog() == dialog &&
               testsupport::Property(display, window, "WM_TRANSIENT_FOR") ==
                   std::to_string(owner.GetWindow()) &&
               testsupport::Property(display, window, "_NET_WM_STATE") == std::to_string(modal);
    }
    bool Free() { return owner.IsEnabled() && owner.GetActiveDialog() == nullptr; }
    static std::string At(Point point)
    {
        return std::to_string(point.x) + "," + std::to_string(point.y);
    }
    // Where a dialog of w x h opens, centred on the owner.
    std::string CentredAt(int w, int h)
    {
        const Point at = owner.GetPosition();
        return At(Point{at.x + (400 - w) / 2 + 1, at.y + (300 - h) / 2 + 1});
    }
    // Top-level windows, elements and forms: what a dialog that has gone leaves behind.
    std::string Census()
    {
        return std::to_string(testsupport::CountTopLevelWindows(screen.GetDisplay())) + " " +
               std::to_string(Application::elements.size()) + " " +
               std::to_string(Application::forms.size());
    }
    // The open message box, once it is on screen.
    FormMsgBox* Box()
    {
        auto* box = static_cast<FormMsgBox*>(Application::messageBox);
        EXPECT_TRUE(box && Shown(box));
        return box;
    }
    std::unique_ptr<FormAbout> About(const std::string& webAddress = kWebAddress)
    {
        auto about = std::make_unique<FormAbout>(&owner);
        about->SetPicture(picture.get(), kPictureWidth, kPictureHeight);
        about->SetProductLine(std::string(kProductName) + " 1.0");
        about->SetOwnershipLine(kOwnershipNotice);
        about->SetNoticeText(kNoticeText);
        about->SetWebAddress(webAddress);
        about->SetScreen(owner.GetScreen());
        about->Show();
        EXPECT_TRUE(Shown(about.get()));
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
        return dialog;
    }

    testsupport::ScratchFolder folder;
    Screen screen{"tests"};  // closed only after the owner's window and font are gone
    Owner owner{&screen};
    testsupport::InputDriver input;
    ImagePtr picture;
};

// An ownerless box is centred on the first form; the next replaces it without a result. The
// hidden NO of an OK box takes no Return; a box opened from a result deletes the running one.
TEST_F(DialogsDisplayTest, BoxesReportOkOneYesThreeNoFourAndTheWindowManagersCloseZero)
{
    ShowMsgBox("Hello", "Hi");
    ElementWatch<FormMsgBox> first(Box());
    EXPECT_TRUE(first->GetOwnerForm() == &owner && first->IsDialog());
    EXPECT_EQ(At(first->GetPosition()), CentredAt(250, 150));
    EXPECT_EQ(Looks(first.Get(), "message-box"), "");
    ShowMsgBoxYesNo(9, "Sure?", "Hi");
    EXPECT_FALSE(first);
    EXPECT_TRUE(HeldBy(Box()));
    ClickMiddle(Box()->GetFirstButton());
    ShowMsgBox(7, &owner, "Saved.", "Note");
    Type(Box(), {XK_Tab, XK_Tab, XK_Return});
    EXPECT_EQ(owner.results.size(), 1u);
    ClickMiddle(Box()->GetFirstButton());
    ShowMsgBoxYesNo(1000, &owner, "Do you really want to go exit?", "Exit");
    ClickMiddle(Box()->GetSecondButton());
    ShowMsgBoxYesNo(5, &owner, "Leave?", "Exit");
    CloseBy(kWindowManager, Box());
    EXPECT_EQ(owner.results, (Results{{9, kYes}, {7, kAnsweredOk}, {1000, kNo}, {5, kNone}}));
    EXPECT_TRUE(Free());

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
    Type(Box(), {XK_Tab, XK_Return});
    EXPECT_EQ(owner.results, (Results{{1, kAnsweredOk}, {2, kYes}}));

    // A name dialog going first, closed or deleted, leaves the owner to the box.
    std::unique_ptr<FormNamePlayer> name = OpenName();
    ShowMsgBoxYesNo(1000, &owner, "Do you really want to go exit?", "Exit");
    CloseBy(kWindowManager, name.get());
    EXPECT_TRUE(HeldBy(Box()));
    name.reset();
    EXPECT_TRUE(HeldBy(Box()));
    CloseBy(kWindowManager, Box());
    EXPECT_TRUE(Free());
}

// Opening clears the name; an empty name or an eleventh character beeps and the dialog stays;
// the window manager's close keeps an empty name.
TEST_F(DialogsDisplayTest, AnEmptyNameBeepsAndATypedOneIsTakenByReturnOkOrDelete)
{
    testsupport::BeepCounter beeps(folder.Path());
    playerName = "earlier";
    auto dialog = OpenName("Your name:");
    EXPECT_EQ(playerName, "");
    CellControl* prompt = dialog->GetPromptLabel();
    EXPECT_EQ(prompt->GetText(), "Your name:");
    EXPECT_EQ(At(prompt->GetSize()), At(Point{dialog->GetClientWidth(), 14}));
    EXPECT_EQ(Looks(dialog.get(), "name-dialog"), "");
    dialog->SetPrompt("Again:");
    EXPECT_EQ(prompt->GetText(), "Again:");
    ShowMsgBoxYesNo(1000, &owner, "Do you really want to go exit?", "Exit");
    ClickMiddle(Box()->GetSecondButton());
    EXPECT_TRUE(HeldBy(dialog.get()));
    ClickMiddle(dialog->GetOkButton());
    EXPECT_EQ(beeps.Count(), 1);  // the next beep may play
    Type(dialog.get(), {XK_space, XK_Return});
    EXPECT_TRUE(HeldBy(dialog.get()));
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Application::focused, dialog->GetTextBox());

    // Taken by Return: deleted afterwards, the dialog does not give its owner back again.
    dialog.reset();
    dialog = OpenName();
    Type(dialog.get(), {XK_a, XK_n, XK_n, XK_Return});
    EXPECT_TRUE(Free());
    owner.SetEnabled(false);
    dialog.reset();
    EXPECT_FALSE(owner.IsEnabled());
    owner.SetEnabled(true);

    // Return, Delete, OK and the window manager close it; OnClose may delete it meanwhile.
    const std::string typed[] = {"bo", "abcdefghijk", "zoe", "x"};  // letters are their key symbols
    deleteOnClose = &dialog;
    for (int way = kReturn; way <= kWindowManager; ++way) {
        dialog = OpenName();
        Type(dialog.get(), std::vector<KeySym>(typed[way].begin(), typed[way].end()));
        CloseBy(way, dialog.get(), dialog->GetOkButton());
        EXPECT_EQ(dialog, nullptr);
    }
    deleteOnClose = nullptr;
    EXPECT_EQ(beeps.Count(), 3);
    EXPECT_EQ(closings, (Lines{"ann", "bo", "abcdefghij", "zoe", ""}));
    EXPECT_TRUE(owner.IsEnabled());
}

// Centred on its owner, held until closed or deleted, without a result; links drawn whole.
TEST_F(DialogsDisplayTest, TheAboutBoxShowsItsPictureAndTextsCentredOnItsOwnerUntilClosed)
{
    const std::string before = Census();
    std::unique_ptr<FormAbout> about = About();
    EXPECT_TRUE(HeldBy(about.get()));
    EXPECT_EQ(about->GetCaption(), "Info...");
    EXPECT_EQ(At(about->GetPosition()), CentredAt(600, 210));
    EXPECT_EQ(At(about->GetOkButton()->GetPosition()), "297,173");

    EXPECT_EQ(Looks(about.get(), "about-box"), "");

    for (int way = kReturn; way <= kEscape; ++way) {
        about = About();
        CloseBy(way, about.get(), about->GetOkButton());
        EXPECT_FALSE(about->IsCreated());
        EXPECT_TRUE(Free());
    }
    about = About();
    about.reset();
    EXPECT_TRUE(Free());
    EXPECT_TRUE(owner.results.empty());
    EXPECT_EQ(Census(), before);
}

// The loop goes on while the programs wait; an address is one argument whatever it holds; no
// zombie, no copy of the game. Nothing after "www." leaves no mail link.
TEST_F(DialogsDisplayTest, LinkCellsStartTheirProgramsWithoutWaitingAndLeaveNoZombie)
{
    const std::string address = "https://www.odd.example/a b'c\";$(touch pwned)`touch pwned`";
    const std::string mail = "info@odd.example/a b'c\";$(touch pwned)`touch pwned`";
    testsupport::FakeCommands onPath(folder.Path());
    // Once "go" exists (a caller that waited would hang), each appends "$#" and "$@" to NAME.txt.
    const std::string script = "#!/bin/sh\nwhile [ ! -e '" + folder.Path() +
                               "/go' ]; do sleep 0.02; done\n"
                               "printf '%s\\n' \"$#\" \"$@\" >> \"$0.txt\"\n";
    for (const std::string name : {"firefox", "thunderbird"}) {
        folder.Write("fake-bin/" + name, script);
        chmod((folder.Path() + "/fake-bin/" + name).c_str(), 0755);
    }
    std::unique_ptr<FormAbout> about = About(address);
    ClickMiddle(about->GetWebCell());
    ClickMiddle(about->GetWebCell());
    ClickMiddle(about->GetMailCell());
    Type(about.get(), {XK_Escape});
    EXPECT_EQ(folder.Read("fake-bin/firefox.txt") + folder.Read("fake-bin/thunderbird.txt"), "");
    EXPECT_EQ(testsupport::CopiesOfThisProgram(), std::vector<pid_t>{});

    folder.Write("go", "");
    const std::string browser = "1\n" + address + "\n";
    const std::string mailer = "2\n-compose\nto=" + mail + "\n";
    EXPECT_TRUE(testsupport::WaitFor([&] {
        return folder.Read("fake-bin/firefox.txt") == browser + browser &&
               folder.Read("fake-bin/thunderbird.txt") == mailer;
    }));
    EXPECT_FALSE(folder.Exists("pwned"));
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);

    about = About("https://www.");
    EXPECT_EQ(about->GetMailCell()->GetText(), "");
    about->ElementClicked(about->GetMailCell());
    about->ElementClicked(about->GetOkButton());  // not a link
    EXPECT_EQ(folder.Read("fake-bin/thunderbird.txt"), mailer);
}

}  // namespace
}  // namespace tarnbrook
