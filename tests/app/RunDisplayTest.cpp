#include <gtest/gtest.h>

#include "app/Application.h"

#include <X11/keysym.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>

#include "app/ElementWatch.h"
#include "app/EndedChildren.h"
#include "game/SoundPlayer.h"
#include "support/ChildProcesses.h"
#include "support/FakeCommands.h"
#include "support/LoopTest.h"
#include "support/RecordingChild.h"
#include "ui/Timer.h"

namespace tarnbrook {
namespace {

using testsupport::ChildProcesses;
using testsupport::Journal;
using testsupport::RecordingChild;
using testsupport::RecordingForm;

// What plain-function callbacks write to.
Journal* journalInUse = nullptr;

const std::string a = std::to_string(XK_a);

void NoteKeyA(GUIElement*, KeySym)
{
    journalInUse->push_back("a=" + std::to_string(Application::IsKeyDown('a')));
}

class RunDisplayTest : public testsupport::LoopTest {
protected:
    void SetUp() override
    {
        LoopTest::SetUp();
        journalInUse = &journal;
    }

    // An element of the form (or of another container) at (x, y), 50 x 30, created.
    std::unique_ptr<RecordingChild> Element(const std::string& name, int x, int y,
                                            GUIElement* container = nullptr)
    {
        auto element =
            std::make_unique<RecordingChild>(container ? container : &form, name, &journal);
        element->SetTag(name);
        element->SetPosition(x, y);
        element->SetSize(50, 30);
        element->Create();
        return element;
    }
    void ShowDialog(RecordingForm& dialog)
    {
        dialog.SetScreen(&screen);
        dialog.Show();
        XSync(screen.GetDisplay(), False);
    }
};

// A click on a goes to a, then to the form; one on nothing takes the focus away. A disabled form
// gets only its own clicks, no keys.
TEST_F(RunDisplayTest, PressAndReleaseGoToTheElementUnderThemThenToTheForm)
{
    auto elementA = Element("a", 10, 10);
    form.SetOnOtherMouseUp([](GUIElement* self, int64_t, Point) { self->SetEnabled(false); });
    input.Click(FormWindow(), 20, 25);
    input.Click(FormWindow(), 200, 100);
    input.PressButton(Button4);
    input.ReleaseButton(Button4);
    input.Click(FormWindow(), 20, 20);
    input.TypeKey(XK_a);
    EXPECT_EQ(Run(),
              (Journal{"a.GotFocus", "a.MouseDown 20,25", "form.MouseDown 20,25", "a.MouseUp 20,25",
                       "form.MouseUp 20,25", "a.LostFocus", "form.MouseDown 200,100",
                       "form.MouseUp 200,100", "form.OtherMouseDown 200,100",
                       "form.OtherMouseUp 200,100", "form.MouseDown 20,20", "form.MouseUp 20,20"}));
    EXPECT_FALSE(form.IsCreated());  // the loop destroys the windows on its way out
}

// Motion reaches a focused slider (being dragged) and the form, entering and leaving the form.
TEST_F(RunDisplayTest, KeysAndMotionReachTheFocusedElementThenTheFormAndMarkTheKeyTable)
{
    auto box = Element("box", 10, 10);
    box->SetKind("slider");
    form.RecordMotion(true);
    form.SetOnKeyDown(NoteKeyA);
    form.SetOnKeyUp(NoteKeyA);
    PointAtForm();
    Application::focused = box.get();
    Application::keyTable['b'] = 1;  // left from before the loop, which forgets it
    input.TypeKey(XK_a);
    input.TypeKey(XK_F1);
    input.MoveTo(DefaultRootWindow(input.GetDisplay()), 5, 5);
    const std::string f1 = std::to_string(XK_F1);
    EXPECT_EQ(Run(), (Journal{"form.MouseEnter", "box.MouseMove 290,190", "form.MouseMove 290,190",
                              "box.KeyDown " + a, "form.KeyDown " + a, "a=1", "box.KeyChar 97",
                              "box.KeyUp " + a, "form.KeyChar 97", "form.KeyUp " + a, "a=0",
                              "box.KeyDown " + f1, "form.KeyDown " + f1, "a=0", "box.KeyUp " + f1,
                              "form.KeyUp " + f1, "a=0", "form.MouseLeave"}));
    EXPECT_FALSE(Application::IsKeyDown(0) || Application::IsKeyDown('b'));  // 0: no character
}

// A focused element deleted by its key callback leaves no focus; an OK deletes its dialog.
RecordingChild* okButton = nullptr;
RecordingForm* dialogOfOk = nullptr;

TEST_F(RunDisplayTest, AnElementMayDeleteItselfAndItsFormFromItsCallbacks)
{
    auto* box = Element("box", 10, 10).release();
    box->SetOnKeyDown([](GUIElement* element, KeySym) { delete element; });
    dialogOfOk = new RecordingForm(&journal, true, "dialog");
    dialogOfOk->SetPosition(400, 50);
    ShowDialog(*dialogOfOk);
    okButton = Element("ok", 10, 10, dialogOfOk).release();
    okButton->SetOnMouseUp([](GUIElement*, int64_t, Point) {
        delete okButton;
        delete dialogOfOk;
    });
    PointAtForm();
    Application::focused = box;
    input.TypeKey(XK_a);
    input.Click(dialogOfOk->GetWindow(), 20, 20);
    EXPECT_EQ(Run(), (Journal{"box.KeyDown " + a, "form.KeyDown " + a, "form.KeyChar 97",
                              "form.KeyUp " + a, "ok.GotFocus", "ok.MouseDown 20,20",
                              "dialog.MouseDown 20,20", "ok.MouseUp 20,20"}));
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_EQ(Application::forms, (std::vector<Form*>{&form}));
}

// Two sounds that end together while the loop waits wake it and are collected at once; the
// loop ends then, or after ten seconds. Another child of the process (a program started for the
// user) is not the loop's to collect.
pid_t otherChild = 0;
Timer* ender = nullptr;

TEST_F(RunDisplayTest, SoundsThatEndWakeTheLoopAndAreCollectedButNoOtherChild)
{
    folder.Write("Data/beep.wav", "RIFF");
    testsupport::FakeCommands commands(folder.Path(), 1);
    otherChild = fork();
    if (otherChild == 0) {
        _exit(0);
    }
    SoundPlayer player;
    player.Play("Data/beep.wav", false);
    Beep();
    Timer bound(&form, 10000);
    ender = &bound;
    bound.SetOnTimer([](Timer*) { Application::quitRequested = true; });
    bound.Start();
    EndedChildren::Watch([] {
        CollectEndedSounds();
        if (ChildProcesses() == std::vector<pid_t>{otherChild}) {
            ender->SetInterval(0);
        }
    });
    Application::Run(&form);
    EXPECT_EQ(ChildProcesses(), std::vector<pid_t>{otherChild});
    EXPECT_EQ(commands.Calls().size(), 2u);
    EXPECT_EQ(waitpid(otherChild, nullptr, 0), otherChild);
}

// A dialog form that counts the user messages it gets and runs onMessage on each.
class MessagedForm : public RecordingForm {
public:
    explicit MessagedForm(Journal* journal) : RecordingForm(journal) {}
    void OnUserMessage() override { onMessage(++messages); }
    int messages = 0;
    std::function<void(int)> onMessage;
};

// A thousand user messages in a row keep the loop busy: no timer advances meanwhile. Then the
// 25 ms timer fires every three idle slices of 10 ms.
int messagesAtFire = 0;
int timerFires = 0;

TEST_F(RunDisplayTest, WhileEventsKeepComingNoTimerAdvances)
{
    timerFires = 0;
    MessagedForm echoing(&journal);
    echoing.onMessage = [&](int count) {
        if (count < 1000) {
            input.SendUserMessage(echoing.GetWindow());
        }
    };
    ShowDialog(echoing);
    Timer timer(&echoing, 25);
    timer.SetOnTimer([](Timer* self) {
        if (++timerFires == 1) {
            messagesAtFire = static_cast<MessagedForm*>(self->GetParent())->messages;
        }
        Application::quitRequested = timerFires == 3;
    });
    timer.Start();
    input.SendUserMessage(echoing.GetWindow());
    Application::Run(&echoing);
    EXPECT_EQ(messagesAtFire, 1000);
    EXPECT_EQ(Application::tickCounter, 90);  // three times three slices
}

}  // namespace
}  // namespace tarnbrook
