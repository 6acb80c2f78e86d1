#include "support/LoopTest.h"

#include "app/Application.h"

namespace testsupport {

void LoopTest::SetUp()
{
    tarnbrook::Application::ResetState();
    ASSERT_NE(screen.GetDisplay(), nullptr);
    ASSERT_TRUE(input.Connected());
    // Outside the form before it appears, which would give Enter and Leave.
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
    const bool ended = journal.size() >= 2 && Journal(journal.end() - 2, journal.end()) ==
                                                  Journal{"form.UserMessage", "form.Close"};
    EXPECT_TRUE(ended) << "the loop did not end on the user message";
    return ended ? Journal(journal.begin(), journal.end() - 2) : journal;
}

}  // namespace testsupport
