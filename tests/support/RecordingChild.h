#pragma once

#include <string>
#include <vector>

#include "support/EventRecorder.h"
#include "ui/Child.h"

namespace testsupport {

// A child journalling its events; Create gives it an id and makes it created and visible.
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
};

}  // namespace testsupport
