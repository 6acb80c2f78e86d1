#pragma once

#include <string>
#include <vector>

#include "app/Application.h"
#include "support/EventRecorder.h"
#include "ui/Form.h"

namespace testsupport {

// A form journalling the loop's events, motion only when asked for; a user message ends the loop.
class RecordingForm : public EventRecorder<tarnbrook::Form> {
public:
    RecordingForm(std::vector<std::string>* journal, bool isDialog = false,
                  const std::string& name = "form")
        : EventRecorder(journal, name, false, nullptr, isDialog)
    {}

    void MouseEnter() override
    {
        RecordMotionEvent("MouseEnter");
        Form::MouseEnter();
    }
    void MouseLeave() override
    {
        RecordMotionEvent("MouseLeave");
        Form::MouseLeave();
    }
    void Close() override
    {
        Record("Close");
        Form::Close();
    }
    void OnUserMessage() override
    {
        Record("UserMessage");
        tarnbrook::Application::quitRequested = true;
    }
};

}  // namespace testsupport
