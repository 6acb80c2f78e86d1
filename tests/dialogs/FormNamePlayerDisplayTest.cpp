#include <gtest/gtest.h>

#include "dialogs/FormNamePlayer.h"

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "support/BeepCounter.h"
#include "support/DialogTest.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {
namespace {

using Names = std::vector<std::string>;

// What the owner's OnClose saw, in order: the name taken at that moment.
Names closings;
// When set, OnClose deletes the dialog, as an owner may.
std::unique_ptr<FormNamePlayer>* deleteOnClose = nullptr;

class FormNamePlayerDisplayTest : public testsupport::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        closings.clear();
    }
    std::unique_ptr<FormNamePlayer> OpenDialog()
    {
        auto dialog = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        dialog->SetOnClose([](GUIElement*) {
            closings.push_back(playerName);
            if (deleteOnClose) {
                deleteOnClose->reset();
            }
        });
        dialog->Show();
        EXPECT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), dialog->GetWindow()));
        Pump();
        return dialog;
    }
    void Close(FormNamePlayer* dialog)
    {
        input.SendDeleteWindow(dialog->GetWindow());
        Pump();
    }

    testsupport::BeepCounter beeps{folder.Path()};
};

// Opening clears the name and disables the owner; the box has the focus.
TEST_F(FormNamePlayerDisplayTest, AnEmptyOkBeepsAndTheDialogStays)
{
    playerName = "earlier";
    auto dialog = OpenDialog();
    EXPECT_EQ(playerName, "");
    EXPECT_EQ(Application::focused, dialog->GetTextBox());
    ClickMiddle(dialog.get(), dialog->GetOkButton());
    EXPECT_EQ(beeps.Count(), 1);  // the next beep may play
    Type(dialog.get(), {XK_space, XK_Return});
    EXPECT_TRUE(dialog->IsCreated());
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_TRUE(closings.empty());
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Application::focused, dialog->GetTextBox());
}

TEST_F(FormNamePlayerDisplayTest, ReturnOrDeleteTakesTheTypedNameAsOkDoes)
{
    auto dialog = OpenDialog();
    Type(dialog.get(), {XK_a, XK_n, XK_n, XK_Return});
    EXPECT_FALSE(dialog->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    EXPECT_EQ(playerName, "ann");

    dialog = OpenDialog();
    Type(dialog.get(), {XK_b, XK_o});
    ClickMiddle(dialog.get(), dialog->GetOkButton());
    EXPECT_EQ(closings, (Names{"ann", "bo"}));
    EXPECT_EQ(beeps.Count(), 0);

    dialog = OpenDialog();  // the eleventh character beeps; Delete acts as OK
    Type(dialog.get(), {XK_a, XK_b, XK_c, XK_d, XK_e, XK_f, XK_g, XK_h, XK_i, XK_j, XK_k});
    EXPECT_EQ(beeps.Count(), 1);
    Type(dialog.get(), {XK_Delete});
    EXPECT_EQ(playerName, "abcdefghij");
    EXPECT_FALSE(dialog->IsCreated());
}

// The entry is kept, with an empty name.
TEST_F(FormNamePlayerDisplayTest, TheWindowManagersCloseStoresAnEmptyName)
{
    auto dialog = OpenDialog();
    Type(dialog.get(), {XK_z, XK_o, XK_e});
    Close(dialog.get());
    EXPECT_FALSE(dialog->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_EQ(closings, Names{""});
}

// Through Return, OK and the window manager's close.
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
    Close(dialog.get());
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(closings, (Names{"a", "b", ""}));
    EXPECT_TRUE(owner.IsEnabled());
    deleteOnClose = nullptr;
}

// Taken with Return, closed by the window manager, or deleted while open as the owner does at
// its own end.
TEST_F(FormNamePlayerDisplayTest, AThousandDialogsLeaveNoWindowsOrElementsBehind)
{
    const Census before = Count();
    for (int i = 0; i < 1000; ++i) {
        auto dialog = std::make_unique<FormNamePlayer>(&owner, "Top Ten");
        dialog->Show();
        if (i % 3 == 0) {
            dialog->GetTextBox()->KeyChar('x');
            dialog->FilterKeyChar(13);
        } else if (i % 3 == 1) {
            Close(dialog.get());
        }
    }
    Pump();
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    EXPECT_TRUE(owner.IsEnabled());
}

}  // namespace
}  // namespace tarnbrook
