#include <gtest/gtest.h>

#include "app/Application.h"

#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ElementWatch.h"
#include "gfx/Screen.h"
#include "support/InputDriver.h"
#include "support/RecordingChild.h"
#include "support/RecordingForm.h"
#include "support/ScratchFolder.h"
#include "ui/Timer.h"

namespace tarnbrook {
namespace {

using testsupport::RecordingChild;
using testsupport::RecordingForm;
using Journal = std::vector<std::string>;

// What plain-function callbacks write to and drive.
Journal* journalInUse = nullptr;
testsupport::InputDriver* inputInUse = nullptr;
Window windowInUse = None;

std::string FocusName()
{
    return Application::focused ? Application::focused->GetTag() : "none";
}

void NoteFocus(GUIElement*, int64_t, Point)
{
    journalInUse->push_back("focused " + FocusName());
}

void NoteKeyA(GUIElement*, KeySym)
{
    journalInUse->push_back("a=" + std::to_string(Application::IsKeyDown('a')));
}

void NoteForms(GUIElement*, int64_t, Point)
{
    for (Form* form : Application::forms) {
        journalInUse->push_back(form->GetText() + (form->IsCreated() ? " created" : " gone"));
    }
}

void Quit(GUIElement*, int64_t, Point)
{
    Application::quitRequested = true;
}

class RunDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_NE(screen.GetDisplay(), nullptr);
        ASSERT_TRUE(input.Connected());
        journalInUse = &journal;
        inputInUse = &input;
        form.SetScreen(&screen);
        form.SetPosition(50, 50);
        form.SetSize(300, 200);
        form.Show();
        XSync(screen.GetDisplay(), False);
        windowInUse = form.GetWindow();
        // The pointer starts outside the form.
        input.MoveTo(DefaultRootWindow(input.GetDisplay()), 5, 5);
    }

    Window FormWindow() const { return form.GetWindow(); }

    // Keys go to the window under the pointer: put it inside the form, away from every element.
    void PointAtForm() { input.MoveTo(FormWindow(), 290, 190); }

    // An element of the form at (x, y), 50 x 30, created.
    std::unique_ptr<RecordingChild> Element(const std::string& name, int x, int y,
                                            GUIElement* container = nullptr)
    {
        auto element = std::make_unique<RecordingChild>(container ? container : &form, name,
                                                        &journal);
        element->SetTag(name);
        element->SetPosition(x, y);
        element->SetSize(50, 30);
        element->Create();
        return element;
    }

    // Runs the loop over the input queued so far; a user message queued last ends it.
    void RunToEnd()
    {
        input.SendUserMessage(FormWindow());
        Application::Run(&form);
    }

    testsupport::ScratchFolder folder;
    Screen screen{"tests"};
    testsupport::InputDriver input;
    Journal journal;
    RecordingForm form{&journal};
};

TEST_F(RunDisplayTest, APressAndReleaseOnOneElementFocusesItAndReachesItThenTheForm)
{
    auto box = Element("box", 10, 10);
    form.SetOnMouseUp(NoteFocus);
    input.Click(FormWindow(), 20, 25);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"box.GotFocus", "box.MouseDown 20,25", "form.MouseDown 20,25",
                                "box.MouseUp 20,25", "form.MouseUp 20,25", "focused box",
                                "form.UserMessage", "form.Close"}));
    EXPECT_FALSE(form.IsCreated());  // the loop destroys the windows on its way out
}

TEST_F(RunDisplayTest, ReleasingOverAnotherElementTakesTheFocusAwayWithoutAMouseUp)
{
    auto first = Element("a", 10, 10);
    auto second = Element("b", 100, 10);
    form.SetOnMouseUp(NoteFocus);
    input.MoveTo(FormWindow(), 20, 20);
    input.PressButton(Button1);
    input.MoveTo(FormWindow(), 110, 20);
    input.ReleaseButton(Button1);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"a.GotFocus", "a.MouseDown 20,20", "form.MouseDown 20,20",
                                "a.LostFocus", "form.MouseUp 110,20", "focused none",
                                "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, APressOnTheFocusedElementOrOnNothingKeepsOrDropsTheFocus)
{
    auto box = Element("box", 10, 10);
    Application::focused = box.get();
    input.Click(FormWindow(), 15, 15);
    input.Click(FormWindow(), 200, 100);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"box.MouseDown 15,15", "form.MouseDown 15,15", "box.MouseUp 15,15",
                                "form.MouseUp 15,15", "box.LostFocus", "form.MouseDown 200,100",
                                "form.MouseUp 200,100", "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, ADisabledFormGetsOnlyItsOwnButtonsAndNoKeys)
{
    auto box = Element("box", 10, 10);
    form.SetEnabled(false);
    input.Click(FormWindow(), 20, 20);
    input.TypeKey(XK_a);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"form.MouseDown 20,20", "form.MouseUp 20,20", "form.UserMessage",
                                "form.Close"}));
}

TEST_F(RunDisplayTest, OtherButtonsGoToTheFormAndButtonFiveIsIgnored)
{
    auto box = Element("box", 10, 10);
    input.MoveTo(FormWindow(), 20, 20);
    input.PressButton(Button3);
    input.ReleaseButton(Button3);
    input.PressButton(Button5);
    input.ReleaseButton(Button5);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"form.OtherMouseDown 20,20", "form.OtherMouseUp 20,20",
                                "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, KeysReachTheFocusedElementThenTheFormAndMarkTheKeyTable)
{
    auto box = Element("box", 10, 10);
    PointAtForm();
    Application::focused = box.get();
    form.SetOnKeyDown(NoteKeyA);
    form.SetOnKeyUp(NoteKeyA);
    input.TypeKey(XK_a);
    input.TypeKey(XK_F1);
    RunToEnd();
    const std::string a = std::to_string(XK_a);
    const std::string f1 = std::to_string(XK_F1);
    EXPECT_EQ(journal,
              (Journal{"box.KeyDown " + a, "form.KeyDown " + a, "a=1",
                       "box.KeyChar 97", "box.KeyUp " + a, "form.KeyChar 97", "form.KeyUp " + a,
                       "a=0",
                       "box.KeyDown " + f1, "form.KeyDown " + f1, "a=0",
                       "box.KeyUp " + f1, "form.KeyUp " + f1, "a=0",
                       "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, TabWalksTheTabStopsInCreationOrderAndWrapsAround)
{
    auto first = Element("a", 10, 10);
    auto skipped = Element("b", 70, 10);
    auto last = Element("c", 130, 10);
    skipped->SetTabStop(false);
    PointAtForm();
    Application::focused = last.get();
    input.TypeKey(XK_Tab);
    input.TypeKey(XK_Tab);
    RunToEnd();
    const std::string tab = std::to_string(XK_Tab);
    EXPECT_EQ(journal, (Journal{"c.KeyDown " + tab, "form.KeyDown " + tab,
                                "c.LostFocus", "a.GotFocus", "form.KeyChar 9", "form.KeyUp " + tab,
                                "a.KeyDown " + tab, "form.KeyDown " + tab,
                                "a.LostFocus", "c.GotFocus", "form.KeyChar 9", "form.KeyUp " + tab,
                                "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, TabWithoutTabStopsOnlyReachesTheForm)
{
    auto first = Element("a", 10, 10);
    PointAtForm();
    first->SetTabStop(false);
    input.TypeKey(XK_Tab);
    RunToEnd();
    const std::string tab = std::to_string(XK_Tab);
    EXPECT_EQ(journal, (Journal{"form.KeyDown " + tab, "form.KeyChar 9", "form.KeyUp " + tab,
                                "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, TabOnAFocusedElementThatIsNoTabStopIsAnOrdinaryKey)
{
    auto first = Element("a", 10, 10);
    auto cell = Element("cell", 70, 10);
    cell->SetTabStop(false);
    PointAtForm();
    Application::focused = cell.get();
    form.SetOnKeyUp([](GUIElement*, KeySym) { journalInUse->push_back("focused " + FocusName()); });
    input.TypeKey(XK_Tab);
    RunToEnd();
    const std::string tab = std::to_string(XK_Tab);
    EXPECT_EQ(journal, (Journal{"cell.KeyDown " + tab, "form.KeyDown " + tab, "cell.KeyChar 9",
                                "cell.KeyUp " + tab, "form.KeyChar 9", "form.KeyUp " + tab,
                                "focused cell", "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, PointerMotionReachesAFocusedSliderAndTheForm)
{
    auto slider = Element("slider", 10, 10);
    slider->SetKind("slider");
    auto box = Element("box", 100, 10);
    form.RecordMotion(true);
    Application::focused = slider.get();
    input.MoveTo(FormWindow(), 30, 40);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"form.MouseEnter", "slider.MouseMove 30,40", "form.MouseMove 30,40",
                                "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, WithoutADraggedElementMotionEnteringAndLeavingReachOnlyTheForm)
{
    auto box = Element("box", 10, 10);
    form.RecordMotion(true);
    Application::focused = box.get();
    input.MoveTo(FormWindow(), 30, 40);
    input.MoveTo(DefaultRootWindow(input.GetDisplay()), 5, 5);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"form.MouseEnter", "form.MouseMove 30,40", "form.MouseLeave",
                                "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, ResizedSeesTheOldSizeAndAMoveOnlyStoresTheGeometry)
{
    XResizeWindow(input.GetDisplay(), FormWindow(), 320, 210);
    XMoveWindow(input.GetDisplay(), FormWindow(), 70, 80);
    XSync(input.GetDisplay(), False);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"form.Resized 300,200", "form.UserMessage", "form.Close"}));
    EXPECT_EQ(form.GetSize().x, 320);
    EXPECT_EQ(form.GetSize().y, 210);
    EXPECT_EQ(form.GetPosition().x, 70);
    EXPECT_EQ(form.GetPosition().y, 80);
}

TEST_F(RunDisplayTest, TheCloseButtonOnTheMainFormOnlyAsksIt)
{
    input.SendDeleteWindow(FormWindow());
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"form.QueryClose true", "form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, TheCloseButtonOnAnotherFormClosesItWhenItAgrees)
{
    RecordingForm agreeing(&journal, true, "agreeing");
    RecordingForm refusing(&journal, true, "refusing");
    refusing.SetOnQueryClose([](GUIElement*) { return false; });
    for (RecordingForm* dialog : {&agreeing, &refusing}) {
        dialog->SetScreen(&screen);
        dialog->Show();
    }
    XSync(screen.GetDisplay(), False);
    input.SendDeleteWindow(agreeing.GetWindow());
    input.SendDeleteWindow(refusing.GetWindow());
    agreeing.SetText("agreeing");
    refusing.SetText("refusing");
    form.SetText("form");
    form.SetOnMouseUp(NoteForms);
    input.Click(FormWindow(), 200, 150);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"agreeing.QueryClose true", "agreeing.Close",
                                "refusing.QueryClose false", "form.MouseDown 200,150",
                                "form.MouseUp 200,150", "form created", "agreeing gone",
                                "refusing created", "form.UserMessage", "form.Close"}));
    EXPECT_TRUE(agreeing.IsClosed());
    EXPECT_FALSE(refusing.IsClosed());
}

TEST_F(RunDisplayTest, TheEndDestroysEveryWindowDeletesTheMessageBoxAndClosesTheMainForm)
{
    auto* box = new RecordingForm(&journal, true, "box");
    box->SetScreen(&screen);
    box->Show();
    Application::messageBox = box;
    ElementWatch<Form> boxWatch(box);
    RunToEnd();
    EXPECT_FALSE(boxWatch);
    EXPECT_EQ(Application::messageBox, nullptr);
    EXPECT_FALSE(form.IsCreated());
    EXPECT_TRUE(form.IsClosed());
    EXPECT_EQ(journal, (Journal{"form.UserMessage", "form.Close"}));
}

TEST_F(RunDisplayTest, ExposurePaintsTheDrawableChildren)
{
    auto box = Element("box", 10, 10);
    box->SetDrawable(true);
    XClearArea(input.GetDisplay(), FormWindow(), 0, 0, 10, 10, True);
    XSync(input.GetDisplay(), False);
    RunToEnd();
    ASSERT_GE(journal.size(), 3u);
    EXPECT_EQ(journal.front(), "box.Paint");
    EXPECT_EQ(journal[journal.size() - 3], "box.Paint");
}

// A dialog's OK button that deletes its own dialog, as a message box does.
RecordingChild* okButton = nullptr;
RecordingForm* dialogOfOk = nullptr;

void CloseOwnDialog(GUIElement*, int64_t, Point)
{
    delete okButton;
    delete dialogOfOk;
}

TEST_F(RunDisplayTest, AnElementMayDeleteItsOwnFormFromItsCallback)
{
    dialogOfOk = new RecordingForm(&journal, true, "dialog");
    dialogOfOk->SetScreen(&screen);
    dialogOfOk->SetPosition(400, 50);
    dialogOfOk->Show();
    XSync(screen.GetDisplay(), False);
    okButton = Element("ok", 10, 10, dialogOfOk).release();
    okButton->SetOnMouseUp(CloseOwnDialog);
    input.Click(dialogOfOk->GetWindow(), 20, 20);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"ok.GotFocus", "ok.MouseDown 20,20", "dialog.MouseDown 20,20",
                                "ok.MouseUp 20,20", "form.UserMessage", "form.Close"}));
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(Application::forms, (std::vector<Form*>{&form}));
}

void DeleteFocusedOnKeyDown(GUIElement* element, KeySym)
{
    delete element;
}

TEST_F(RunDisplayTest, AFocusedElementDestroyedByItsCallbackLeavesNoFocusBehind)
{
    auto* box = Element("box", 10, 10).release();
    box->SetOnKeyDown(DeleteFocusedOnKeyDown);
    PointAtForm();
    Application::focused = box;
    input.TypeKey(XK_a);
    RunToEnd();
    const std::string a = std::to_string(XK_a);
    EXPECT_EQ(journal, (Journal{"box.KeyDown " + a, "form.KeyDown " + a, "form.KeyChar 97",
                                "form.KeyUp " + a, "form.UserMessage", "form.Close"}));
}

int timerFires = 0;

void QuitOnThirdFire(Timer*)
{
    if (++timerFires == 3) {
        Application::quitRequested = true;
    }
}

TEST_F(RunDisplayTest, ATimerCountsIdleSlicesOfTenMilliseconds)
{
    timerFires = 0;
    Timer timer(&form, 25);
    timer.SetOnTimer(QuitOnThirdFire);
    timer.Start();
    Application::Run(&form);
    EXPECT_EQ(timerFires, 3);
    EXPECT_EQ(Application::tickCounter, 90);  // three times three slices
}

void ClickTheBox(Timer* timer)
{
    timer->Stop();
    inputInUse->Click(windowInUse, 20, 20);
}

TEST_F(RunDisplayTest, ALoopDrivenByRealInputEndsFromACallback)
{
    auto box = Element("box", 10, 10);
    box->SetOnMouseUp(Quit);
    Timer timer(&form, 50);
    timer.SetOnTimer(ClickTheBox);
    timer.Start();
    Application::Run(&form);
    EXPECT_EQ(journal, (Journal{"box.GotFocus", "box.MouseDown 20,20", "form.MouseDown 20,20",
                                "box.MouseUp 20,20", "form.MouseUp 20,20", "form.Close"}));
}

// Sends user messages to the window from a process of its own, one every 20 ms.
class Pinger {
public:
    Pinger(::Window window, int count)
    {
        pid_ = fork();
        if (pid_ != 0) {
            return;
        }
        Display* display = XOpenDisplay(nullptr);
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        for (int i = 0; display && i < count; ++i) {
            usleep(20000);
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.format = 32;
            event.xclient.data.l[0] = 1;
            XSendEvent(display, window, False, NoEventMask, &event);
            XSync(display, False);
        }
        _exit(0);
    }
    ~Pinger()
    {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }

private:
    pid_t pid_;
};

// Ends the loop after the given number of user messages, or at once when the tick counter moved.
class PingedForm : public RecordingForm {
public:
    explicit PingedForm(Journal* journal) : RecordingForm(journal) {}
    void OnUserMessage() override
    {
        ++pings;
        if (pings == limit || Application::tickCounter != 0) {
            Application::quitRequested = true;
        }
    }
    int pings = 0;
    int limit = 0;
};

TEST_F(RunDisplayTest, WithoutTimersTheLoopBlocksAndCountsNoIdleTime)
{
    PingedForm pinged(&journal);
    pinged.SetScreen(&screen);
    pinged.Show();
    XSync(screen.GetDisplay(), False);
    pinged.limit = 10;
    Pinger pinger(pinged.GetWindow(), 10);
    Application::Run(&pinged);
    EXPECT_EQ(pinged.pings, 10);
    EXPECT_EQ(Application::tickCounter, 0);
}

TEST_F(RunDisplayTest, AStoppedTimerIsEnoughToMakeTheLoopPoll)
{
    PingedForm pinged(&journal);
    pinged.SetScreen(&screen);
    pinged.Show();
    XSync(screen.GetDisplay(), False);
    Timer stopped(&pinged, 10);
    pinged.limit = 50;
    Pinger pinger(pinged.GetWindow(), 50);
    Application::Run(&pinged);
    EXPECT_LT(pinged.pings, 50);
    EXPECT_NE(Application::tickCounter, 0);
}

}  // namespace
}  // namespace tarnbrook
