#pragma once

#include <string>
#include <vector>

#include "support/EventRecorder.h"
#include "ui/Child.h"

namespace testsupport {

// A child element that writes every event it receives to a journal as "name.Operation args"
// (then runs the base behaviour, callbacks included), pointer motion and focus changes too. Its
// Create gives it an id and makes it created and visible, like the toolkit's display elements.
class RecordingChild : public EventRecorder<tarnbrook::Child> {
public:
    RecordingChild(tarnbrook::GUIElement* container, const std::string& name,
                   std::vector<std::string>* journal)
        : EventRecorder(journal, name, true)
    {
        kind = "recording";
        parent = container;
    }

    void Create() override
    {
        AssignId();
        created = true;
        visible = true;
    }
    void Paint() override { Record("Paint"); }
    void GotFocus() override
    {
        Record("GotFocus");
        EventRecorder::GotFocus();
    }
    void LostFocus() override
    {
        Record("LostFocus");
        EventRecorder::LostFocus();
    }

    void SetKind(const std::string& value) { kind = value; }
    void SetTabStop(bool value) { tabStop = value; }
    void SetDrawable(bool value) { drawable = value; }
};

}  // namespace testsupport
