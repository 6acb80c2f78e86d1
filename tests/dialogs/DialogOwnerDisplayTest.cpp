#include <gtest/gtest.h>

#include "dialogs/DialogOwner.h"

#include <memory>
#include <vector>

#include "app/Application.h"
#include "dialogs/FormMsgBox.h"
#include "dialogs/FormNamePlayer.h"
#include "support/DialogTest.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {
namespace {

constexpr uint32_t kExitQuestion = 1000;

// The name dialog is open when the window manager's close button on the owner asks the exit
// question: two dialogs over one owner.
class DialogOwnerDisplayTest : public testsupport::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        name = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        name->Show();
        ASSERT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), name->GetWindow()));
        ShowMsgBoxYesNo(kExitQuestion, &owner, "Do you really want to go exit?", "Exit");
        question = static_cast<FormMsgBox*>(Application::messageBox);
        ASSERT_TRUE(question);
        ASSERT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), question->GetWindow()));
        Pump();
    }
    void TearDown() override { delete Application::messageBox; }

    void ExpectHeldBy(Form* dialog)
    {
        EXPECT_FALSE(owner.IsEnabled());
        EXPECT_EQ(owner.GetActiveDialog(), dialog);
    }
    void ExpectFree()
    {
        EXPECT_TRUE(owner.IsEnabled());
        EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    }

    std::unique_ptr<FormNamePlayer> name;
    FormMsgBox* question = nullptr;
};

TEST_F(DialogOwnerDisplayTest, NoToTheLaterQuestionLeavesTheOwnerToTheEarlierDialog)
{
    ExpectHeldBy(question);
    ClickMiddle(question, question->GetSecondButton());
    EXPECT_EQ(
        owner.Results(),
        (std::vector<testsupport::OwnerForm::Result>{{kExitQuestion, FormMsgBox::kResultNo}}));
    ExpectHeldBy(name.get());

    input.SendDeleteWindow(name->GetWindow());
    Pump();
    ExpectFree();
}

// The earlier dialog goes first, closed and deleted while open.
TEST_F(DialogOwnerDisplayTest, TheOwnerIsFreeOnlyWhenTheLastOfItsDialogsHasGone)
{
    input.SendDeleteWindow(name->GetWindow());
    Pump();
    ExpectHeldBy(question);
    input.SendDeleteWindow(question->GetWindow());
    Pump();
    ExpectFree();

    name = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
    ShowMsgBox(&owner, "Note", "Note");
    ExpectHeldBy(Application::messageBox);
    name.reset();
    ExpectHeldBy(Application::messageBox);
    delete Application::messageBox;
    ExpectFree();
}

}  // namespace
}  // namespace tarnbrook
