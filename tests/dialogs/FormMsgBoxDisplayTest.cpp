#include <gtest/gtest.h>

#include "dialogs/FormMsgBox.h"

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "support/DialogTest.h"
#include "support/RecordingChild.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {
namespace {

using testsupport::OwnerForm;
using Results = std::vector<OwnerForm::Result>;

constexpr uint32_t kOk = FormMsgBox::kResultOk;
constexpr uint32_t kYes = FormMsgBox::kResultYes;

FormMsgBox* OpenBox()
{
    return static_cast<FormMsgBox*>(Application::messageBox);
}

class FormMsgBoxDisplayTest : public testsupport::DialogTest {
protected:
    void TearDown() override { delete Application::messageBox; }

    // The open box, once it is on screen.
    FormMsgBox* ShownBox()
    {
        FormMsgBox* box = OpenBox();
        EXPECT_TRUE(box && testsupport::WaitViewable(owner.GetDisplay(), box->GetWindow()));
        return box;
    }
    void Click(ButtonCustom* button) { ClickMiddle(Application::GetParentForm(button), button); }
};

// Tab does not look at visibility: the hidden NO of an OK box takes the focus but not Return.
// The box is kept until replaced or the loop ends.
TEST_F(FormMsgBoxDisplayTest, OkBoxShowsOneButtonDisablesItsOwnerAndReportsOne)
{
    ShowMsgBox(7, &owner, "Saved.", "Note");
    FormMsgBox* box = ShownBox();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_EQ(box->GetFirstButton()->GetText(), "OK");
    EXPECT_FALSE(box->GetSecondButton()->IsCreated());
    Type(box, {XK_Tab, XK_Tab});
    ASSERT_EQ(Application::focused, box->GetSecondButton());
    Type(box, {XK_Return});
    EXPECT_TRUE(owner.Results().empty());

    Click(box->GetFirstButton());
    EXPECT_EQ(owner.Results(), (Results{{7, kOk}}));
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    EXPECT_FALSE(box->IsCreated());
    EXPECT_EQ(OpenBox(), box);
}

TEST_F(FormMsgBoxDisplayTest, YesReportsThreeNoFourAndTheWindowManagersCloseZero)
{
    ShowMsgBoxYesNo(1000, &owner, "Do you really want to go exit?", "Exit");
    FormMsgBox* box = ShownBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetFirstButton()->GetText() + box->GetSecondButton()->GetText(), "YESNO");
    Click(box->GetFirstButton());
    ShowMsgBoxYesNo(1000, &owner, "Again?", "Exit");
    Click(ShownBox()->GetSecondButton());
    ShowMsgBoxYesNo(5, &owner, "Leave?", "Exit");
    box = ShownBox();
    input.SendDeleteWindow(box->GetWindow());
    Pump();
    EXPECT_EQ(owner.Results(),
              (Results{{1000, kYes}, {1000, FormMsgBox::kResultNo}, {5, FormMsgBox::kResultNone}}));
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_FALSE(box->IsCreated());
}

// Both origins are inside a one-pixel window border, so the box's lies one further in.
TEST_F(FormMsgBoxDisplayTest, BoxWithoutOwnerBelongsToTheFirstFormAndIsCentredOnIt)
{
    ShowMsgBox("Hello", "Hi");
    FormMsgBox* box = ShownBox();
    EXPECT_EQ(box->GetOwnerForm(), &owner);
    EXPECT_EQ(box->GetDialogId(), 0u);
    const Point ownerAt = owner.GetPosition();
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
    EXPECT_EQ(owner.Results(), (Results{{2, kYes}}));
    EXPECT_TRUE(owner.IsEnabled());
}

// The next box deletes the one whose OK is running; the same through Return on the focused YES.
TEST_F(FormMsgBoxDisplayTest, OwnerMayOpenTheNextBoxFromItsResult)
{
    owner.OnResult([this](uint32_t dialogId) {
        if (dialogId == 1) {
            ShowMsgBoxYesNo(2, &owner, "Next", "Two");
        }
    });
    ShowMsgBox(1, &owner, "First", "One");
    ElementWatch<FormMsgBox> first(ShownBox());
    Click(first->GetFirstButton());
    EXPECT_FALSE(first);
    EXPECT_EQ(owner.Results(), (Results{{1, kOk}}));
    EXPECT_FALSE(owner.IsEnabled());
    FormMsgBox* second = ShownBox();
    EXPECT_EQ(second->GetDialogId(), 2u);
    Type(second, {XK_Tab, XK_Return});
    EXPECT_EQ(owner.Results(), (Results{{1, kOk}, {2, kYes}}));
}

// The focused child loses the focus; clicks and keys on the owner, and keys other than those of
// its buttons on the box, reach nothing.
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
    Type(&owner, {XK_a});
    Type(box, {XK_a, XK_Return});
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(owner.Results().empty());
}

// Answered YES as the loop delivers a click, closed by the window manager, or replaced.
TEST_F(FormMsgBoxDisplayTest, AThousandBoxesLeaveNoWindowsOrElementsBehind)
{
    ShowMsgBox(0, &owner, "Warm-up", "T");
    OpenBox()->ButtonClicked(OpenBox()->GetFirstButton());
    const Census before = Count();
    const size_t forms = Application::forms.size();
    for (int i = 0; i < 1000; ++i) {
        ShowMsgBoxYesNo(static_cast<uint32_t>(i), &owner, "Round " + std::to_string(i), "T");
        FormMsgBox* box = OpenBox();
        if (i % 3 == 0) {
            box->GetFirstButton()->MouseDown(Point{150, 120});
            box->GetFirstButton()->MouseUp(Point{150, 120});
        } else if (i % 3 == 1) {
            input.SendDeleteWindow(box->GetWindow());
            Pump();
        }
    }
    Pump();
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(Application::forms.size(), forms);
    EXPECT_EQ(owner.Results().size(), 1u + 667u);
}

}  // namespace
}  // namespace tarnbrook
