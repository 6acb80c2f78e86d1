#pragma once

#include <string>
#include <vector>

#include "ui/Form.h"

namespace testsupport {

// A form that writes the events the loop gives it to a journal as "form.Operation args" (then
// runs the base behaviour). Pointer motion, entering and leaving are written only when asked
// for, since moving the pointer into place makes plenty of them. A user message (a client
// message of type None with first datum 1) ends the event loop.
class RecordingForm : public tarnbrook::Form {
public:
    RecordingForm(std::vector<std::string>* journal, bool isDialog = false,
                  const std::string& name = "form");

    void RecordMotion(bool value) { recordMotion_ = value; }

    void MouseUp(tarnbrook::Point point) override;
    void MouseDown(tarnbrook::Point point) override;
    void OtherMouseUp(tarnbrook::Point point) override;
    void OtherMouseDown(tarnbrook::Point point) override;
    void KeyUp(KeySym keysym) override;
    void KeyDown(KeySym keysym) override;
    bool KeyChar(char character) override;
    void MouseMove(int pointerX, int pointerY) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Resized() override;
    bool QueryClose() override;
    void Close() override;
    void OnUserMessage() override;

private:
    void Record(const std::string& operation);

    std::vector<std::string>* journal_;
    std::string name_;
    bool recordMotion_ = false;
};

}  // namespace testsupport
