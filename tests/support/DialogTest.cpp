#include "support/DialogTest.h"

#include "app/Application.h"
#include "support/EventPump.h"
#include "ui/Form.h"

namespace testsupport {

void DialogTest::SetUp()
{
    tarnbrook::Application::ResetState();
    ASSERT_TRUE(input.Connected());
    ASSERT_TRUE(owner.IsCreated());
}

void DialogTest::Pump()
{
    DispatchPending(&owner);
}

void DialogTest::ClickMiddle(tarnbrook::Form* form, tarnbrook::GUIElement* element)
{
    const tarnbrook::Point at = element->GetPosition();
    input.Click(form->GetWindow(), at.x + element->GetWidth() / 2, at.y + element->GetHeight() / 2);
    Pump();
}

void DialogTest::Type(tarnbrook::Form* form, const std::vector<KeySym>& keys)
{
    input.MoveTo(form->GetWindow(), 5, 5);
    for (KeySym key : keys) {
        input.TypeKey(key);
    }
    Pump();
}

std::string DialogTest::At(tarnbrook::Point point)
{
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

bool DialogTest::Census::operator==(const Census& other) const
{
    return windows == other.windows && elements == other.elements;
}

DialogTest::Census DialogTest::Count() const
{
    return Census{CountTopLevelWindows(owner.GetDisplay()),
                  tarnbrook::Application::elements.size()};
}

}  // namespace testsupport
