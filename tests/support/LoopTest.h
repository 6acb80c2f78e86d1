#pragma once

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "gfx/Screen.h"
#include "support/InputDriver.h"
#include "support/RecordingForm.h"
#include "support/ScratchFolder.h"

namespace testsupport {

using Journal = std::vector<std::string>;

// A display test that drives the event loop with real input: a recording form shown at
// (50, 50), 300 x 200, with the pointer outside it at the start.
class LoopTest : public ::testing::Test {
protected:
    void SetUp() override;

    Window FormWindow() const { return form.GetWindow(); }
    // Keys go to the window under the pointer: this puts it inside the form, away from
    // elements placed near the top left.
    void PointAtForm() { input.MoveTo(FormWindow(), 290, 190); }
    // Runs the loop over the input queued so far, ended by a user message queued last, and
    // answers the form's journal without the loop's closing "form.UserMessage", "form.Close".
    Journal Run();

    ScratchFolder folder;
    tarnbrook::Screen screen{"tests"};
    InputDriver input;
    Journal journal;
    RecordingForm form{&journal};
};

}  // namespace testsupport
