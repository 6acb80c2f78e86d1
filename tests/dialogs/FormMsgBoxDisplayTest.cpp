#include <gtest/gtest.h>

#include "dialogs/FormMsgBox.h"

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
#include "support/OwnerForm.h"
#include "support/RecordingChild.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {
namespace {

using testsupport::OwnerForm;
using Results = std::vector<OwnerForm::Result>;

std::string At(Point point)
{
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

FormMsgBox* OpenBox()
{
    return static_cast<FormMsgBox*>(Application::messageBox);
}

class FormMsgBoxDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_TRUE(input.Connected());
        ASSERT_TRUE(owner.IsCreated());
    }

    void TearDown() override
    {
        delete Application::messageBox;
    }

    // The open box, once it is on screen.
    FormMsgBox* ShownBox()
    {
        FormMsgBox* box = OpenBox();
        EXPECT_NE(box, nullptr);
        if (box) {
            EXPECT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), box->GetWindow()));
        }
        return box;
    }

    // A click in the middle of a button, delivered to the loop's dispatcher.
    void Click(ButtonCustom* button)
    {
        Form* box = Application::GetParentForm(button);
        const Point at = button->GetPosition();
        input.Click(box->GetWindow(), at.x + button->GetWidth() / 2,
                    at.y + button->GetHeight() / 2);
        Pump();
    }

    void Pump() { testsupport::DispatchPending(&owner); }

    OwnerForm owner;
    testsupport::InputDriver input;
};

TEST_F(FormMsgBoxDisplayTest, OkBoxShowsOneButtonDisablesItsOwnerAndReportsOne)
{
    ShowMsgBox(7, &owner, "Saved.", "Note");
    FormMsgBox* box = ShownBox();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), box);
    EXPECT_TRUE(box->IsDialog());
    EXPECT_EQ(box->GetCaption(), "Note");
    EXPECT_EQ(At(box->GetSize()), "250,150");
    EXPECT_EQ(box->GetMessageCell()->GetText(), "Saved.");
    EXPECT_EQ(box->GetFirstButton()->GetText(), "OK");
    EXPECT_EQ(At(box->GetFirstButton()->GetPosition()), "130,110");
    EXPECT_FALSE(box->GetSecondButton()->IsCreated());

    Click(box->GetFirstButton());
    EXPECT_EQ(owner.Results(), (Results{{7, FormMsgBox::kResultOk}}));
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    EXPECT_FALSE(box->IsCreated());
    EXPECT_EQ(OpenBox(), box);  // kept until replaced or the loop ends
}

TEST_F(FormMsgBoxDisplayTest, TheHiddenNoOfAnOkBoxTakesNoReturn)
{
    ShowMsgBox(6, &owner, "Saved.", "Note");
    FormMsgBox* box = ShownBox();
    input.MoveTo(box->GetWindow(), 5, 5);
    input.TypeKey(XK_Tab);
    input.TypeKey(XK_Tab);  // Tab does not look at visibility: the hidden NO takes the focus
    Pump();
    ASSERT_EQ(Application::focused, box->GetSecondButton());
    input.TypeKey(XK_Return);
    Pump();
    EXPECT_TRUE(owner.Results().empty());
    EXPECT_TRUE(box->IsCreated());
}

TEST_F(FormMsgBoxDisplayTest, YesOnTheRightReportsThreeAndNoOnTheLeftFour)
{
    ShowMsgBoxYesNo(1000, &owner, "Do you really want to go exit?", "Exit");
    FormMsgBox* box = ShownBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetFirstButton()->GetText(), "YES");
    EXPECT_EQ(box->GetSecondButton()->GetText(), "NO");
    EXPECT_EQ(At(box->GetSecondButton()->GetPosition()), "10,110");
    Click(box->GetFirstButton());

    ShowMsgBoxYesNo(1000, &owner, "Again?", "Exit");
    Click(ShownBox()->GetSecondButton());
    EXPECT_EQ(owner.Results(),
              (Results{{1000, FormMsgBox::kResultYes}, {1000, FormMsgBox::kResultNo}}));
    EXPECT_TRUE(owner.IsEnabled());
}

TEST_F(FormMsgBoxDisplayTest, WindowManagersCloseReportsZeroAndEnablesTheOwner)
{
    ShowMsgBoxYesNo(5, &owner, "Leave?", "Exit");
    FormMsgBox* box = ShownBox();
    input.SendDeleteWindow(box->GetWindow());
    Pump();
    EXPECT_EQ(owner.Results(), (Results{{5, FormMsgBox::kResultNone}}));
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_FALSE(box->IsCreated());
}

TEST_F(FormMsgBoxDisplayTest, BoxWithoutOwnerBelongsToTheFirstFormAndIsCentredOnIt)
{
    ShowMsgBox("Hello", "Hi");
    FormMsgBox* box = ShownBox();
    EXPECT_EQ(box->GetOwnerForm(), &owner);
    EXPECT_EQ(box->GetDialogId(), 0u);
    const Point ownerAt = owner.GetPosition();
    // Both origins are inside a one-pixel window border, so the box's lies one further in.
    EXPECT_EQ(At(box->GetPosition()),
              At(Point{ownerAt.x + (400 - 250) / 2 + 1, ownerAt.y + (300 - 150) / 2 + 1}));

    ShowMsgBoxYesNo(9, "Sure?", "Hi");
    EXPECT_EQ(ShownBox()->GetOwnerForm(), &owner);
    EXPECT_TRUE(ShownBox()->IsYesNo());
}

TEST_F(FormMsgBoxDisplayTest, SecondBoxReplacesTheFirstWithoutAResultForIt)
{
    const int windowsBefore = testsupport::CountTopLevelWindows(owner.GetDisplay());
    ShowMsgBox(1, &owner, "First", "One");
    ElementWatch<FormMsgBox> first(ShownBox());
    ShowMsgBoxYesNo(2, &owner, "Second", "Two");
    EXPECT_FALSE(first);
    EXPECT_TRUE(owner.Results().empty());
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_EQ(testsupport::CountTopLevelWindows(owner.GetDisplay()), windowsBefore + 1);
    Click(ShownBox()->GetFirstButton());
    EXPECT_EQ(owner.Results(), (Results{{2, FormMsgBox::kResultYes}}));
    EXPECT_TRUE(owner.IsEnabled());
}

TEST_F(FormMsgBoxDisplayTest, OwnerMayOpenTheNextBoxFromItsResult)
{
    owner.OnResult([this](uint32_t dialogId) {
        if (dialogId == 1) {
            ShowMsgBoxYesNo(2, &owner, "Next", "Two");  // deletes the box whose OK is running
        }
    });
    ShowMsgBox(1, &owner, "First", "One");
    ElementWatch<FormMsgBox> first(ShownBox());
    Click(first->GetFirstButton());
    EXPECT_FALSE(first);
    EXPECT_EQ(owner.Results(), (Results{{1, FormMsgBox::kResultOk}}));
    EXPECT_FALSE(owner.IsEnabled());
    FormMsgBox* second = ShownBox();
    EXPECT_EQ(second->GetDialogId(), 2u);

    // The same through Return on the focused button.
    input.MoveTo(second->GetWindow(), 5, 5);
    input.TypeKey(XK_Tab);
    input.TypeKey(XK_Return);
    Pump();
    EXPECT_EQ(owner.Results(), (Results{{1, FormMsgBox::kResultOk}, {2, FormMsgBox::kResultYes}}));
}

TEST_F(FormMsgBoxDisplayTest, OwnersChildrenGetNoInputWhileTheBoxIsOpen)
{
    std::vector<std::string> journal;
    testsupport::RecordingChild child(&owner, "child", &journal);
    child.SetPosition(10, 10);
    child.SetSize(60, 40);
    child.Create();
    Application::focused = &child;
    child.GotFocus();
    journal.clear();

    ShowMsgBox(3, &owner, "Wait", "Busy");
    FormMsgBox* box = ShownBox();
    EXPECT_EQ(journal, std::vector<std::string>{"child.LostFocus"});
    EXPECT_EQ(Application::focused, nullptr);
    journal.clear();

    input.Click(owner.GetWindow(), 20, 20);
    input.TypeKey(XK_a);
    input.MoveTo(box->GetWindow(), 5, 5);
    input.TypeKey(XK_a);
    input.TypeKey(XK_Return);
    Pump();
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(owner.Results().empty());
}

TEST_F(FormMsgBoxDisplayTest, SetMessageOnAShownBoxReplacesTheText)
{
    ShowMsgBox(0, &owner, "Old", "T");
    FormMsgBox* box = ShownBox();
    box->SetMessage("New text");
    EXPECT_EQ(box->GetMessageCell()->GetText(), "New text");
    EXPECT_EQ(box->GetMessage(), "New text");
}

TEST_F(FormMsgBoxDisplayTest, TheLoopDeletesTheBoxAtItsEnd)
{
    ShowMsgBox(4, &owner, "Bye", "T");
    ElementWatch<FormMsgBox> box(ShownBox());
    input.SendUserMessage(owner.GetWindow());
    Application::Run(&owner);
    EXPECT_FALSE(box);
    EXPECT_EQ(Application::messageBox, nullptr);
    EXPECT_TRUE(owner.Results().empty());
}

TEST_F(FormMsgBoxDisplayTest, AThousandBoxesLeaveNoWindowsOrElementsBehind)
{
    ShowMsgBox(0, &owner, "Warm-up", "T");
    OpenBox()->ButtonClicked(OpenBox()->GetFirstButton());
    const int windows = testsupport::CountTopLevelWindows(owner.GetDisplay());
    const size_t elements = Application::elements.size();
    const size_t forms = Application::forms.size();
    for (int i = 0; i < 1000; ++i) {
        ShowMsgBoxYesNo(static_cast<uint32_t>(i), &owner, "Round " + std::to_string(i), "T");
        FormMsgBox* box = OpenBox();
        switch (i % 3) {
        case 0:  // YES, as the loop delivers a click
            box->GetFirstButton()->MouseDown(Point{150, 120});
            box->GetFirstButton()->MouseUp(Point{150, 120});
            break;
        case 1:  // the window manager's close
            input.SendDeleteWindow(box->GetWindow());
            Pump();
            break;
        default:  // left open, replaced by the next one
            break;
        }
    }
    Pump();
    EXPECT_EQ(testsupport::CountTopLevelWindows(owner.GetDisplay()), windows);
    EXPECT_EQ(Application::elements.size(), elements);
    EXPECT_EQ(Application::forms.size(), forms);
    EXPECT_EQ(owner.Results().size(), 1u + 667u);
}

}  // namespace
}  // namespace tarnbrook
