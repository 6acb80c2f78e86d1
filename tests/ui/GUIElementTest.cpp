#include <gtest/gtest.h>

#include "ui/GUIElement.h"

#include <ctime>
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
    std::string GetValueText() const override { return valueText.empty() ? GetText() : valueText; }

    int paints = 0;
    int applied = 0;        // sizes, positions and fonts
    std::string valueText;  // what GetValueText answers when not empty

protected:
    void ApplySize() override { ++applied; }
    void ApplyPosition() override { ++applied; }
    void ApplyFont() override { ++applied; }
};

class GUIElementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        Application::ResetState();
    }
};

// Setters only store before creation; after it a real change is applied once.
TEST_F(GUIElementTest, SettersApplyOnlyRealChangesOnceCreatedAndLostFocusTellsOfAChange)
{
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

    // LostFocus, then Change only when the value moved while focused.
    Probe events;
    events.SetOnLostFocus([](GUIElement*) { calls.push_back("LostFocus"); });
    events.SetOnChange([](GUIElement*) { calls.push_back("Change"); });
    events.SetText("same");
    events.GotFocus();
    events.LostFocus();
    events.GotFocus();
    events.valueText = "edited";
    events.LostFocus();
    EXPECT_EQ(calls, (Calls{"LostFocus", "LostFocus", "Change"}));
}

// Click seconds come from the clock and milliseconds from the tick counter.
TEST_F(GUIElementTest, AMouseUpWithin999MillisecondsOfTheLastIsADoubleClick)
{
    Application::tickCounter = 990;
    Probe probe;  // its construction counts as the last click
    probe.SetOnDblClick([](GUIElement*, int64_t, Point) { calls.push_back("DblClick"); });
    Application::tickCounter = 0;
    probe.MouseUp(Point{1, 1});
    EXPECT_EQ(calls, Calls{"DblClick"});
    const std::time_t clicked = std::time(nullptr);
    ASSERT_TRUE(testsupport::WaitFor([&] { return std::time(nullptr) > clicked; }, 3000));
    probe.MouseUp(Point{1, 1});
    EXPECT_EQ(calls, Calls{"DblClick"});
}

}  // namespace
}  // namespace tarnbrook
