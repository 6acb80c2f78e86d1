#include <gtest/gtest.h>

#include "ui/GUIElement.h"

#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "support/WaitFor.h"
#include "ui/Child.h"

namespace tarnbrook {
namespace {

// A child that counts the Apply operations and paints, and is created and visible by Create.
class Probe : public Child {
public:
    Probe() { kind = "probe"; }
    void Create() override
    {
        AssignId();
        created = true;
        visible = true;
    }
    void Paint() override { ++paints; }
    void SetParentElement(GUIElement* value) { parent = value; }
    int64_t UserValue() const { return userValue; }

    int paints = 0;
    int sizeApplied = 0;
    int positionApplied = 0;
    int fontApplied = 0;
    std::string valueText;  // what GetValueText answers when not empty
    std::string GetValueText() const override { return valueText.empty() ? GetText() : valueText; }

protected:
    void ApplySize() override { ++sizeApplied; }
    void ApplyPosition() override { ++positionApplied; }
    void ApplyFont() override { ++fontApplied; }
};

std::vector<std::string> calls;

void RecordMouseUp(GUIElement*, int64_t value, Point point)
{
    calls.push_back("MouseUp " + std::to_string(value) + " " + std::to_string(point.x) + "," +
                    std::to_string(point.y));
}

void RecordDblClick(GUIElement*, int64_t, Point)
{
    calls.push_back("DblClick");
}

void RecordLoad(GUIElement*, int64_t value)
{
    calls.push_back("Load " + std::to_string(value));
}

void RecordLostFocus(GUIElement*)
{
    calls.push_back("LostFocus");
}

void RecordChange(GUIElement*)
{
    calls.push_back("Change");
}

void RecordResize(GUIElement* element)
{
    calls.push_back("Resize paints=" + std::to_string(static_cast<Probe*>(element)->paints));
}

void DeleteElement(GUIElement* element)
{
    calls.push_back("deleted");
    delete element;
}

void DeleteOnMouse(GUIElement* element, int64_t, Point)
{
    DeleteElement(element);
}

class GUIElementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        Application::ResetState();
    }
};

TEST(PointTest, IsPackedInOneWordWithXInTheLowHalf)
{
    static_assert(sizeof(Point) == 8, "two 32-bit halves");
    const Point point{-2, 7};
    uint64_t word = 0;
    std::memcpy(&word, &point, sizeof word);
    EXPECT_EQ(static_cast<uint32_t>(word), static_cast<uint32_t>(-2));
    EXPECT_EQ(static_cast<uint32_t>(word >> 32), 7u);
}

TEST_F(GUIElementTest, ContainsOnlyWhenCreatedAndVisibleWithBothEdgesInside)
{
    Probe probe;
    probe.SetPosition(10, 20);
    probe.SetSize(30, 40);
    EXPECT_FALSE(probe.Contains(Point{15, 25}));
    probe.Show();
    EXPECT_TRUE(probe.Contains(Point{10, 20}));
    EXPECT_TRUE(probe.Contains(Point{40, 60}));
    EXPECT_FALSE(probe.Contains(Point{9, 20}));
    EXPECT_FALSE(probe.Contains(Point{41, 60}));
    EXPECT_FALSE(probe.Contains(Point{40, 61}));
    probe.Hide();
    EXPECT_FALSE(probe.Contains(Point{15, 25}));
}

TEST_F(GUIElementTest, SettersStoreAndApplyOnlyOnceCreated)
{
    Probe probe;
    probe.SetSize(20, 20);
    probe.SetPosition(5, 5);
    probe.SetBackColor(0x123456);
    EXPECT_EQ(probe.sizeApplied + probe.positionApplied + probe.paints, 0);

    probe.Create();
    probe.SetSize(20, 20);
    EXPECT_EQ(probe.sizeApplied, 0);
    probe.SetSize(21, 20);
    EXPECT_EQ(probe.sizeApplied, 1);
    EXPECT_EQ(probe.GetSize().x, 21);
    probe.SetBackColor(0x654321);
    EXPECT_EQ(probe.paints, 1);
    EXPECT_EQ(probe.GetBackColor(), 0x654321);
    probe.SetFont(FontDescriptor("misc-fixed", 12));
    EXPECT_EQ(probe.fontApplied, 1);
    EXPECT_EQ(probe.GetFont().GetFamily(), "misc-fixed");
    probe.Move(-5, 10);  // negative coordinates become zero
    EXPECT_EQ(probe.GetPosition().x, 0);
    EXPECT_EQ(probe.GetPosition().y, 10);
    EXPECT_EQ(probe.positionApplied, 1);
}

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

// KeyChar and QueryClose answer true without callbacks; Load calls OnLoad the first time only;
// Resized repaints before OnResize; Close calls OnClose, then marks the element closed.
TEST_F(GUIElementTest, EventOperationsAndTheirCallbacks)
{
    Probe probe;
    EXPECT_TRUE(probe.KeyChar('x'));
    EXPECT_TRUE(probe.QueryClose());
    probe.SetOnKeyChar([](GUIElement*, char character) { return character == 'y'; });
    probe.SetOnQueryClose([](GUIElement*) { return false; });
    EXPECT_FALSE(probe.KeyChar('x'));
    EXPECT_TRUE(probe.KeyChar('y'));
    EXPECT_FALSE(probe.QueryClose());

    probe.SetOnLoad(RecordLoad);
    probe.Load(42);
    probe.Load(7);
    EXPECT_EQ(probe.UserValue(), 42);
    probe.Create();
    probe.SetOnResize(RecordResize);
    probe.Resized();
    probe.SetOnClose([](GUIElement* element) {
        calls.push_back(element->IsClosed() ? "closed" : "open");
    });
    probe.Close();
    EXPECT_TRUE(probe.IsClosed());
    EXPECT_EQ(calls, (std::vector<std::string>{"Load 42", "Resize paints=1", "open"}));
}

TEST_F(GUIElementTest, LostFocusReportsAChangeOnlyWhenTheValueTextChanged)
{
    Probe probe;
    probe.SetOnLostFocus(RecordLostFocus);
    probe.SetOnChange(RecordChange);
    probe.SetText("same");
    probe.GotFocus();
    EXPECT_TRUE(probe.HasFocus());
    probe.LostFocus();
    EXPECT_FALSE(probe.HasFocus());
    EXPECT_EQ(calls, (std::vector<std::string>{"LostFocus"}));

    calls.clear();
    probe.GotFocus();
    probe.valueText = "edited";
    probe.LostFocus();
    EXPECT_EQ(calls, (std::vector<std::string>{"LostFocus", "Change"}));
}

// The seconds of a click time come from the clock and the milliseconds from the loop's tick
// counter: a counter 990 ms ahead at construction keeps any MouseUp in the next second within
// the double-click bound.
TEST_F(GUIElementTest, AMouseUpSoonAfterConstructionOrAnotherMouseUpIsADoubleClick)
{
    Application::tickCounter = 990;
    Probe probe;
    probe.Create();
    probe.SetOnDblClick(RecordDblClick);
    probe.SetOnMouseUp(RecordMouseUp);
    Application::tickCounter = 0;
    probe.MouseUp(Point{1, 1});
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], "DblClick");
}

TEST_F(GUIElementTest, AMouseUpMoreThan999MillisecondsLaterIsNoDoubleClick)
{
    Probe probe;
    probe.SetOnDblClick(RecordDblClick);
    const std::time_t constructed = std::time(nullptr);
    ASSERT_TRUE(testsupport::WaitFor([&] { return std::time(nullptr) > constructed; }, 3000));
    probe.MouseUp(Point{1, 1});
    EXPECT_TRUE(calls.empty());
}

TEST_F(GUIElementTest, ACallbackMayDeleteTheElementThatCalledIt)
{
    auto* probe = new Probe;
    probe->SetOnMouseUp(DeleteOnMouse);
    probe->SetOnDblClick(RecordDblClick);
    probe->MouseUp(Point{0, 0});
    EXPECT_EQ(calls, (std::vector<std::string>{"deleted"}));

    probe = new Probe;
    probe->SetOnLostFocus(DeleteElement);
    probe->SetOnChange(RecordChange);
    probe->GotFocus();
    probe->valueText = "changed";
    probe->LostFocus();

    probe = new Probe;
    probe->SetOnClose(DeleteElement);
    probe->Close();
    EXPECT_EQ(calls.size(), 3u);
    EXPECT_TRUE(Application::elements.empty());
}

}  // namespace
}  // namespace tarnbrook
