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
using Elements = std::vector<GUIElement*>;

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

// form: a, timer, panel(b, c), d; e belongs to another form. Children come in creation order.
TEST_F(ApplicationTest, ChildrenAndLookupsLookInsidePanels)
{
    IdForm form, other;
    RecordingChild a(&form, "a", &journal);
    Timer timer(&form, 100);
    RecordingChild panel(&form, "panel", &journal);
    RecordingChild b(&panel, "b", &journal), c(&panel, "c", &journal);
    RecordingChild d(&form, "d", &journal), e(&other, "e", &journal);
    panel.SetKind("panel");
    form.GiveId();
    other.GiveId();
    for (RecordingChild* element : {&a, &panel, &b, &c, &d, &e}) {
        element->Create();
        element->SetPosition(10, 10);
        element->SetSize(20, 20);
    }
    panel.SetPosition(100, 100);
    panel.SetSize(100, 100);
    c.SetPosition(50, 50);

    EXPECT_EQ(Application::GetChildren(form.GetId()), (Elements{&a, &timer, &panel, &b, &c, &d}));
    EXPECT_EQ(Application::GetChildren(panel.GetId()), (Elements{&b, &c}));
    EXPECT_EQ(Application::ElementAt(form.GetId(), Point{15, 15}), &a);
    EXPECT_EQ(Application::ElementAt(form.GetId(), Point{160, 160}), &c);
    // Inside the panel but on none of its children: the panel itself is never the answer.
    EXPECT_EQ(Application::ElementAt(form.GetId(), Point{190, 110}), nullptr);
    a.SetEnabled(false);
    EXPECT_EQ(Application::ElementAt(form.GetId(), Point{15, 15}), &d);
    d.Hide();
    EXPECT_EQ(Application::ElementAt(form.GetId(), Point{15, 15}), nullptr);
    EXPECT_EQ(Application::ElementAt(other.GetId(), Point{15, 15}), &e);

    // The parent form and form coordinates are found through panels.
    EXPECT_EQ(Application::GetParentForm(&c), &form);
    const Point inForm = Application::ToFormCoordinates(&c, 50, 60);
    EXPECT_EQ(std::make_pair(inForm.x, inForm.y), std::make_pair(150, 160));
    Application::keyTable['a'] = 1;  // the key table answers only for codes it holds
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
