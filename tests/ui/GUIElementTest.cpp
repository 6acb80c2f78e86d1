#include <gtest/gtest.h>

#include "ui/GUIElement.h"

#include "app/Application.h"
#include "ui/Child.h"

namespace tarnbrook {
namespace {

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
