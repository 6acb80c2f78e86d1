#include <gtest/gtest.h>

#include "app/Application.h"

#include <memory>
#include <string>
#include <vector>

#include "app/ElementWatch.h"
#include "support/RecordingChild.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace tarnbrook {
namespace {

using testsupport::RecordingChild;

// A form that gets an id without a window, as a created form has one.
class IdForm : public Form {
public:
    IdForm() : Form(nullptr) {}
    void GiveId() { AssignId(); }
};

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
    auto form = std::make_unique<IdForm>(), dialog = std::make_unique<IdForm>(),
         box = std::make_unique<IdForm>();
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

}  // namespace
}  // namespace tarnbrook
