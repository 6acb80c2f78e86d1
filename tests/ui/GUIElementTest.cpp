#include <gtest/gtest.h>

#include "ui/GUIElement.h"

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "support/WaitFor.h"
#include "ui/Child.h"

namespace tarnbrook {
namespace {

using Calls = std::vector<std::string>;
Calls calls;

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
    int64_t UserValue() const { return userValue; }
    std::string GetValueText() const override { return valueText.empty() ? GetText() : valueText; }

    int paints = 0;
    int applied = 0;        // sizes, positions and fonts
    std::string valueText;  // what GetValueText answers when not empty

protected:
    void ApplySize() override { ++applied; }
    void ApplyPosition() override { ++applied; }
    void ApplyFont() override { ++applied; }
};

void Note(const std::string& call)
{
    calls.push_back(call);
}

class GUIElementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        Application::ResetState();
    }
};

// Setters only store before creation; after it a real change is applied once.
TEST_F(GUIElementTest, ContainsOnlyWhenShownAndSettersApplyOnlyOnceCreated)
{
    Probe probe;
    probe.SetPosition(10, 20);
    probe.SetSize(30, 40);
    EXPECT_FALSE(probe.Contains(Point{15, 25}));
    probe.Show();
    for (Point inside : {Point{10, 20}, Point{40, 60}}) {
        EXPECT_TRUE(probe.Contains(inside));
    }
    for (Point outside : {Point{9, 20}, Point{41, 60}, Point{40, 61}}) {
        EXPECT_FALSE(probe.Contains(outside));
    }
    probe.Hide();
    EXPECT_FALSE(probe.Contains(Point{15, 25}));

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
    setter.Move(-5, -10);
    setter.SetBackColor(0x654321);
    EXPECT_EQ(setter.applied, 3);
    EXPECT_EQ(setter.paints, 1);
    EXPECT_EQ(setter.GetPosition().x, 0);
    EXPECT_EQ(setter.GetPosition().y, 0);
    setter.SetLocation(Point{7, 8});
    EXPECT_EQ(setter.GetPosition().y, 8);
}

// The user value starts as the id.
TEST_F(GUIElementTest, IdsFollowCreationOrderAndAreNeverReused)
{
    auto first = std::make_unique<Probe>();
    Probe second;
    first->Create();
    second.Create();
    const uint32_t firstId = first->GetId();
    EXPECT_EQ(second.GetId(), firstId + 1);
    EXPECT_EQ(second.UserValue(), static_cast<int64_t>(second.GetId()));
    second.AssignId();
    EXPECT_EQ(second.GetId(), firstId + 1);
    first.reset();
    Probe third;
    third.Create();
    EXPECT_EQ(third.GetId(), firstId + 2);
}

// Default answers without callbacks, OnLoad once, Resized repaints first, LostFocus changes.
TEST_F(GUIElementTest, EventOperationsAndTheirCallbacks)
{
    Probe probe;
    EXPECT_TRUE(probe.KeyChar('x') && probe.QueryClose());
    probe.SetOnKeyChar([](GUIElement*, char character) { return character == 'y'; });
    probe.SetOnQueryClose([](GUIElement*) { return false; });
    EXPECT_FALSE(probe.KeyChar('x') || probe.QueryClose());
    EXPECT_TRUE(probe.KeyChar('y'));

    probe.SetOnLoad([](GUIElement*, int64_t value) { Note("Load " + std::to_string(value)); });
    probe.Load(42);
    probe.Load(7);
    EXPECT_EQ(probe.UserValue(), 42);
    probe.Create();
    probe.SetOnResize([](GUIElement* element) {
        Note("Resize paints=" + std::to_string(static_cast<Probe*>(element)->paints));
    });
    probe.Resized();
    probe.SetOnClose([](GUIElement* element) { Note(element->IsClosed() ? "closed" : "open"); });
    probe.Close();
    EXPECT_TRUE(probe.IsClosed());

    probe.SetOnLostFocus([](GUIElement*) { Note("LostFocus"); });
    probe.SetOnChange([](GUIElement*) { Note("Change"); });
    probe.SetText("same");
    probe.GotFocus();
    EXPECT_TRUE(probe.HasFocus());
    probe.LostFocus();
    EXPECT_FALSE(probe.HasFocus());
    probe.GotFocus();
    probe.valueText = "edited";
    probe.LostFocus();
    EXPECT_EQ(calls,
              (Calls{"Load 42", "Resize paints=1", "open", "LostFocus", "LostFocus", "Change"}));
}

// Click seconds come from the clock and milliseconds from the tick counter.
TEST_F(GUIElementTest, AMouseUpWithin999MillisecondsOfTheLastIsADoubleClick)
{
    Application::tickCounter = 990;
    Probe soon;
    soon.SetOnDblClick([](GUIElement*, int64_t, Point) { Note("DblClick"); });
    Application::tickCounter = 0;
    soon.MouseUp(Point{1, 1});
    EXPECT_EQ(calls, Calls{"DblClick"});

    Probe late;
    late.SetOnDblClick([](GUIElement*, int64_t, Point) { Note("late DblClick"); });
    const std::time_t constructed = std::time(nullptr);
    ASSERT_TRUE(testsupport::WaitFor([&] { return std::time(nullptr) > constructed; }, 3000));
    late.MouseUp(Point{1, 1});
    EXPECT_EQ(calls, Calls{"DblClick"});
}

}  // namespace
}  // namespace tarnbrook
