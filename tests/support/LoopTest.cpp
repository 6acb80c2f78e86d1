#include "support/LoopTest.h"

#include <algorithm>

#include "app/Application.h"

namespace testsupport {

void LoopTest::SetUp()
{
    tarnbrook::Application::ResetState();
    ASSERT_NE(screen.GetDisplay(), nullptr);
    ASSERT_TRUE(input.Connected());
    // Outside the form before it appears: one left over inside it would give Enter and Leave.
    input.MoveTo(DefaultRootWindow(input.GetDisplay()), 5, 5);
    form.SetScreen(&screen);
    form.SetPosition(50, 50);
    form.SetSize(300, 200);
    form.Show();
    XSync(screen.GetDisplay(), False);
}

Journal LoopTest::Run()
{
    input.SendUserMessage(FormWindow());
    tarnbrook::Application::Run(&form);
    const Journal end{"form.UserMessage", "form.Close"};
    if (journal.size() < end.size() || !std::equal(end.begin(), end.end(), journal.end() - 2)) {
        ADD_FAILURE() << "the loop did not end on the user message";
        return journal;
    }
    return Journal(journal.begin(), journal.end() - 2);
}

}  // namespace testsupport
