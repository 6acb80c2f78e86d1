#include <gtest/gtest.h>

#include "dialogs/FormNamePlayer.h"

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "support/BeepCounter.h"
#include "support/DialogTest.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {
namespace {

using Names = std::vector<std::string>;

// What the owner's OnClose saw, in order: the name taken at that moment.
Names closings;
// When set, OnClose deletes the dialog, as an owner may.
std::unique_ptr<FormNamePlayer>* deleteOnClose = nullptr;

void StoreEntry(GUIElement*)
{
    closings.push_back(playerName);
    if (deleteOnClose) {
        deleteOnClose->reset();
    }
}

class FormNamePlayerDisplayTest : public testsupport::DialogTest {
protected:
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

    testsupport::BeepCounter beeps{folder.Path()};
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
    EXPECT_EQ(At(Point{dialog->GetClientWidth(), dialog->GetClientHeight()}), "250,115");
    CellControl* prompt = dialog->GetPromptLabel();
    EXPECT_EQ(prompt->GetText(), "Your name:");
    EXPECT_EQ(At(prompt->GetPosition()), "0,15");
    EXPECT_EQ(prompt->GetWidth(), 250);
    TextBoxCustom* box = dialog->GetTextBox();
    EXPECT_EQ(At(box->GetPosition()), "62,45");
    EXPECT_EQ(box->GetWidth(), 125);
    EXPECT_EQ(box->GetMaxLength(), 10);
    EXPECT_EQ(Application::focused, box);
    ButtonCustom* ok = dialog->GetOkButton();
    EXPECT_EQ(ok->GetText(), "OK");
    EXPECT_EQ(At(ok->GetPosition()), "85,80");
    EXPECT_EQ(At(ok->GetSize()), "80,28");
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

    dialog = OpenDialog();
    EXPECT_EQ(playerName, "");
    Type(dialog.get(), {XK_b, XK_o});
    ClickMiddle(dialog.get(), dialog->GetOkButton());
    EXPECT_EQ(playerName, "bo");
    EXPECT_EQ(closings, (Names{"ann", "bo"}));
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(FormNamePlayerDisplayTest, TheEleventhCharacterBeepsAndDeleteActsAsOk)
{
    auto dialog = OpenDialog();
    Type(dialog.get(), {XK_a, XK_b, XK_c, XK_d, XK_e, XK_f, XK_g, XK_h, XK_i, XK_j, XK_k});
    EXPECT_EQ(dialog->GetTextBox()->GetText(), "abcdefghij");
    EXPECT_EQ(beeps.Count(), 1);
    Type(dialog.get(), {XK_Delete});
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
    EXPECT_EQ(closings, Names{""});
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
    EXPECT_EQ(closings, (Names{"a", "b", ""}));
    EXPECT_TRUE(owner.IsEnabled());
    deleteOnClose = nullptr;
}

TEST_F(FormNamePlayerDisplayTest, AThousandDialogsLeaveNoWindowsOrElementsBehind)
{
    const Census before = Count();
    for (int i = 0; i < 1000; ++i) {
        auto dialog = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        dialog->Show();
        if (i % 3 == 0) {
            dialog->GetTextBox()->KeyChar('x');
            dialog->FilterKeyChar(13);
        } else if (i % 3 == 1) {  // else deleted while open, as the owner does at its own end
            input.SendDeleteWindow(dialog->GetWindow());
            Pump();
        }
    }
    Pump();
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    EXPECT_TRUE(owner.IsEnabled());
}

}  // namespace
}  // namespace tarnbrook
