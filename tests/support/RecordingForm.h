#pragma once

#include <string>
#include <vector>

#include "support/EventRecorder.h"
#include "ui/Form.h"

namespace testsupport {

// A form that writes the events the loop gives it to a journal as "form.Operation args" (then
// runs the base behaviour). Pointer motion, entering and leaving are written only when asked
// for, since moving the pointer into place makes plenty of them. A user message (a client
// message of type None with first datum 1) ends the event loop.
class RecordingForm : public EventRecorder<tarnbrook::Form> {
public:
    RecordingForm(std::vector<std::string>* journal, bool isDialog = false,
                  const std::string& name = "form");

    void MouseEnter() override;
    void MouseLeave() override;
    void Resized() override;
    bool QueryClose() override;
    void Close() override;
    void OnUserMessage() override;
};

}  // namespace testsupport
