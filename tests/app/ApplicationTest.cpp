#include <gtest/gtest.h>

#include "app/Application.h"

#include <memory>
#include <string>
#include <vector>

#include "app/ElementWatch.h"
#include "support/RecordingChild.h"
#include "support/ScratchFolder.h"
#include "ui/Child.h"
#include "ui/Form.h"
#include "ui/PanelChildren.h"
#include "ui/Timer.h"

namespace tarnbrook {
namespace {

using testsupport::RecordingChild;

// An element that is neither a child nor a form: only the element's own destructor forgets it.
class BareElement : public GUIElement {
public:
    BareElement() : GUIElement(nullptr) {}
    void Create() override {}
};

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { Application::ResetState(); }
    // Runs after the members of derived fixtures are gone.
    ~ApplicationTest() override
    {
        EXPECT_TRUE(Application::elements.empty());
        EXPECT_TRUE(Application::forms.empty());
        EXPECT_TRUE(Application::timers.empty());
    }
    std::vector<std::string> journal;
};

// Codes outside the table, as a signed character above 127 gives, are simply not down.
TEST_F(ApplicationTest, TheKeyTableAnswersOnlyForCodesItHolds)
{
    Application::keyTable['a'] = 1;
    EXPECT_TRUE(Application::IsKeyDown('a'));
    EXPECT_FALSE(Application::IsKeyDown('b') || Application::IsKeyDown(-1) ||
                 Application::IsKeyDown(256));
}

TEST_F(ApplicationTest, DestroyingAnElementLeavesNoReferenceToIt)
{
    auto form = std::make_unique<Form>(nullptr), dialog = std::make_unique<Form>(nullptr),
         box = std::make_unique<Form>(nullptr);
    auto child = std::make_unique<RecordingChild>(form.get(), "child", &journal);
    auto inner = std::make_unique<RecordingChild>(child.get(), "inner", &journal);
    auto timer = std::make_unique<Timer>(form.get(), 10);
    timer->Start();
    Application::focused = child.get();
    Application::mainForm = form.get();
    Application::messageBox = box.get();
    form->SetActiveDialog(dialog.get());
    ElementWatch<RecordingChild> watch(child.get());

    child.reset();
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_FALSE(watch);
    // A container deleted before its child leaves the child without a parent.
    EXPECT_EQ(inner->GetParent(), nullptr);
    EXPECT_EQ(Application::GetParentForm(inner.get()), nullptr);
    dialog.reset();
    EXPECT_EQ(form->GetActiveDialog(), nullptr);
    box.reset();
    EXPECT_EQ(Application::messageBox, nullptr);
    form.reset();  // before its timer and the child's child
    EXPECT_EQ(Application::mainForm, nullptr);
    inner.reset();
    timer.reset();
    auto bare = std::make_unique<BareElement>();
    Application::focused = bare.get();
    bare.reset();
    EXPECT_TRUE(Application::elements.empty());
    EXPECT_EQ(Application::focused, nullptr);
}

// What a registry no longer holds is reported with the kind, the entries left and the id.
TEST_F(ApplicationTest, RemovingWhatARegistryDoesNotHoldIsLogged)
{
    testsupport::ScratchFolder folder;
    Form form(nullptr);
    auto timer = std::make_unique<Timer>(&form, 10);
    timer->Create();
    timer->Start();
    Application::RemoveWinForm(timer.get());
    Application::RemoveWindow(timer.get());
    timer.reset();  // already gone from both lists
    const std::string id = " id " + std::to_string(Application::idCounter) + "\n",
                      lost = " NON TROVATO! Application::";
    EXPECT_EQ(folder.Read("log.txt"), lost + "RemoveWindow = timer lx 1" + id + lost +
                                          "RemoveWindow = timer lx 0" + id + lost +
                                          "RemoveWinForm = timer size 1" + id);
}

// A panel whose form has no id yet is listed once, not searched inside itself for ever.
TEST_F(ApplicationTest, APanelWithoutAnIdIsNotSearchedInsideItself)
{
    Form form(nullptr);
    PanelChildren panel(&form);
    EXPECT_EQ(Application::GetChildren(form.GetId()), std::vector<GUIElement*>{&panel});
}

// A child that counts what it applies and paints, and is created and visible by Create.
class Probe : public Child {
public:
    void Create() override
    {
        AssignId();
        created = true;
        visible = true;
    }
    void Paint() override { ++paints; }

    int paints = 0;
    int applied = 0;  // sizes, positions and fonts

protected:
    void ApplySize() override { ++applied; }
    void ApplyPosition() override { ++applied; }
    void ApplyFont() override { ++applied; }
};

// Setters only store before creation; after it a real change is applied once, and a move stops
// at 0 on both axes.
TEST(GUIElementTest, SettersApplyOnlyRealChangesOnceCreated)
{
    Application::ResetState();
    Probe setter;
    setter.SetSize(20, 20);
    setter.SetPosition(5, 5);
    setter.SetBackColor(0x123456);
    EXPECT_EQ(setter.applied + setter.paints, 0);
    setter.Create();
    setter.SetSize(20, 20);
    EXPECT_EQ(setter.applied, 0);
    setter.SetSize(21, 20);
    setter.SetFont(FontDescriptor("misc-fixed", 12));
    setter.Move(-6, -10);
    setter.SetBackColor(0x654321);
    EXPECT_EQ(setter.applied, 3);
    EXPECT_EQ(setter.paints, 1);
    EXPECT_EQ(std::make_pair(setter.GetPosition().x, setter.GetPosition().y), std::make_pair(0, 0));
    setter.SetLocation(Point{7, 8});
    EXPECT_EQ(setter.GetPosition().y, 8);
}

}  // namespace
}  // namespace tarnbrook
