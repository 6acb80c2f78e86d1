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

// Real input to the event loop: a recording form at (50, 50), 300 x 200, the pointer outside.
class LoopTest : public ::testing::Test {
protected:
    void SetUp() override;

    Window FormWindow() const { return form.GetWindow(); }
    // Keys go to the window under the pointer: inside the form, away from its elements.
    void PointAtForm() { input.MoveTo(FormWindow(), 290, 190); }
    // Runs the loop until a user message queued last; the journal without its closing lines.
    Journal Run();

    ScratchFolder folder;
    tarnbrook::Screen screen{"tests"};
    InputDriver input;
    Journal journal;
    RecordingForm form{&journal};
};

}  // namespace testsupport
