#pragma once

#include <string>
#include <vector>

#include "ui/Child.h"

namespace testsupport {

// A child element that writes every event it receives to a journal as "name.Operation args"
// (then runs the base behaviour, callbacks included). Its Create gives it an id and makes it
// created and visible, like the toolkit's display elements.
class RecordingChild : public tarnbrook::Child {
public:
    RecordingChild(tarnbrook::GUIElement* container, const std::string& name,
                   std::vector<std::string>* journal);

    void Create() override;
    void Paint() override;
    void MouseUp(tarnbrook::Point point) override;
    void MouseDown(tarnbrook::Point point) override;
    void OtherMouseUp(tarnbrook::Point point) override;
    void OtherMouseDown(tarnbrook::Point point) override;
    void KeyUp(KeySym keysym) override;
    void KeyDown(KeySym keysym) override;
    bool KeyChar(char character) override;
    void MouseMove(int pointerX, int pointerY) override;
    void GotFocus() override;
    void LostFocus() override;

    void SetKind(const std::string& value) { kind = value; }
    void SetTabStop(bool value) { tabStop = value; }
    void SetDrawable(bool value) { drawable = value; }

private:
    void Record(const std::string& operation);

    std::string name_;
    std::vector<std::string>* journal_;
};

}  // namespace testsupport
