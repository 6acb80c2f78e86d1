#include <gtest/gtest.h>

#include "dialogs/FormNamePlayer.h"

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "support/BeepCounter.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
#include "support/OwnerForm.h"
#include "support/ScratchFolder.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {

namespace {

// What the owner's OnClose saw, in order: the name taken at that moment.
std::vector<std::string> closings;
// When set, OnClose deletes the dialog, as an owner may.
std::unique_ptr<FormNamePlayer>* deleteOnClose = nullptr;

void StoreEntry(GUIElement*)
{
    closings.push_back(playerName);
    if (deleteOnClose) {
        deleteOnClose->reset();
    }
}

class FormNamePlayerDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_TRUE(input.Connected());
        closings.clear();
        deleteOnClose = nullptr;
    }
    void TearDown() override { deleteOnClose = nullptr; }

    std::unique_ptr<FormNamePlayer> OpenDialog()
    {
        auto dialog = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        dialog->SetPrompt("Your name:");
        dialog->SetOnClose(StoreEntry);
        dialog->Show();
        EXPECT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), dialog->GetWindow()));
        Pump();
        return dialog;
    }
    void ClickMiddle(Form* form, GUIElement* element)
    {
        const Point at = element->GetPosition();
        input.Click(form->GetWindow(), at.x + element->GetWidth() / 2,
                    at.y + element->GetHeight() / 2);
        Pump();
    }
    // Keys go to the window under the pointer.
    void Type(Form* form, const std::vector<KeySym>& keys)
    {
        input.MoveTo(form->GetWindow(), 5, 5);
        for (KeySym key : keys) {
            input.TypeKey(key);
        }
        Pump();
    }
    void Pump() { testsupport::DispatchPending(&owner); }

    testsupport::ScratchFolder folder;
    testsupport::BeepCounter beeps{folder.Path()};
    testsupport::OwnerForm owner;
    testsupport::InputDriver input;
};

TEST_F(FormNamePlayerDisplayTest, TheDialogHoldsAPromptABoxForTenCharactersAndOk)
{
    playerName = "earlier";
    auto dialog = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
    EXPECT_EQ(playerName, "");
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), dialog.get());
    EXPECT_TRUE(dialog->IsDialog());
    EXPECT_EQ(dialog->GetCaption(), "Top Ten");
    dialog->SetPrompt("Your name:");
    dialog->Show();
    EXPECT_EQ(dialog->GetClientWidth(), 250);
    EXPECT_EQ(dialog->GetClientHeight(), 115);

    CellControl* prompt = dialog->GetPromptLabel();
    EXPECT_EQ(prompt->GetText(), "Your name:");
    EXPECT_EQ(prompt->GetPosition().x, 0);
    EXPECT_EQ(prompt->GetPosition().y, 15);
    EXPECT_EQ(prompt->GetWidth(), 250);
    TextBoxCustom* box = dialog->GetTextBox();
    EXPECT_EQ(box->GetPosition().x, 62);
    EXPECT_EQ(box->GetPosition().y, 45);
    EXPECT_EQ(box->GetWidth(), 125);
    EXPECT_EQ(box->GetMaxLength(), 10);
    EXPECT_EQ(box->GetText(), "");
    EXPECT_EQ(Application::focused, box);
    ButtonCustom* ok = dialog->GetOkButton();
    EXPECT_EQ(ok->GetText(), "OK");
    EXPECT_EQ(ok->GetPosition().x, 85);
    EXPECT_EQ(ok->GetPosition().y, 80);
    EXPECT_EQ(ok->GetWidth(), 80);
    EXPECT_EQ(ok->GetHeight(), 28);
    dialog->SetPrompt("Again:");
    EXPECT_EQ(prompt->GetText(), "Again:");
}

TEST_F(FormNamePlayerDisplayTest, AnEmptyOkBeepsAndTheDialogStays)
{
    auto dialog = OpenDialog();
    ClickMiddle(dialog.get(), dialog->GetOkButton());
    Type(dialog.get(), {XK_space, XK_Return});
    EXPECT_TRUE(dialog->IsCreated());
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_TRUE(closings.empty());
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Application::focused, dialog->GetTextBox());
}

TEST_F(FormNamePlayerDisplayTest, ReturnTakesTheTypedNameAsOkDoes)
{
    auto dialog = OpenDialog();
    Type(dialog.get(), {XK_a, XK_n, XK_n, XK_Return});
    EXPECT_FALSE(dialog->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    EXPECT_EQ(playerName, "ann");
    EXPECT_EQ(closings, std::vector<std::string>{"ann"});

    dialog = OpenDialog();
    EXPECT_EQ(playerName, "");
    Type(dialog.get(), {XK_b, XK_o});
    ClickMiddle(dialog.get(), dialog->GetOkButton());
    EXPECT_EQ(playerName, "bo");
    EXPECT_EQ(closings, (std::vector<std::string>{"ann", "bo"}));
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(FormNamePlayerDisplayTest, TheEleventhCharacterBeeps)
{
    auto dialog = OpenDialog();
    Type(dialog.get(), {XK_a, XK_b, XK_c, XK_d, XK_e, XK_f, XK_g, XK_h, XK_i, XK_j, XK_k});
    EXPECT_EQ(dialog->GetTextBox()->GetText(), "abcdefghij");
    EXPECT_EQ(beeps.Count(), 1);
    Type(dialog.get(), {XK_Delete});  // acts as OK too
    EXPECT_EQ(playerName, "abcdefghij");
    EXPECT_FALSE(dialog->IsCreated());
}

TEST_F(FormNamePlayerDisplayTest, TheWindowManagersCloseStoresAnEmptyName)
{
    auto dialog = OpenDialog();
    Type(dialog.get(), {XK_z, XK_o, XK_e});
    input.SendDeleteWindow(dialog->GetWindow());
    Pump();
    EXPECT_FALSE(dialog->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_EQ(closings, std::vector<std::string>{""});
    EXPECT_EQ(playerName, "");
}

TEST_F(FormNamePlayerDisplayTest, OnCloseMayDeleteTheDialog)
{
    std::unique_ptr<FormNamePlayer> dialog = OpenDialog();
    deleteOnClose = &dialog;
    Type(dialog.get(), {XK_a, XK_Return});
    EXPECT_EQ(dialog, nullptr);

    dialog = OpenDialog();
    Type(dialog.get(), {XK_b});
    ClickMiddle(dialog.get(), dialog->GetOkButton());
    EXPECT_EQ(dialog, nullptr);

    dialog = OpenDialog();
    input.SendDeleteWindow(dialog->GetWindow());
    Pump();
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(closings, (std::vector<std::string>{"a", "b", ""}));
    EXPECT_TRUE(owner.IsEnabled());
}

TEST_F(FormNamePlayerDisplayTest, AThousandDialogsLeaveNoWindowsOrElementsBehind)
{
    const int windows = testsupport::CountTopLevelWindows(owner.GetDisplay());
    const size_t elements = Application::elements.size();
    for (int i = 0; i < 1000; ++i) {
        auto dialog = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        dialog->Show();
        switch (i % 3) {
        case 0:
            dialog->GetTextBox()->KeyChar('x');
            dialog->FilterKeyChar(13);
            break;
        case 1:
            input.SendDeleteWindow(dialog->GetWindow());
            Pump();
            break;
        default:  // deleted while open, as the owner does at its own end
            break;
        }
    }
    Pump();
    EXPECT_EQ(testsupport::CountTopLevelWindows(owner.GetDisplay()), windows);
    EXPECT_EQ(Application::elements.size(), elements);
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    EXPECT_TRUE(owner.IsEnabled());
}

}  // namespace
}  // namespace tarnbrook
