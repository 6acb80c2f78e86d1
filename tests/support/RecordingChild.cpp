#include "support/RecordingChild.h"

namespace testsupport {

RecordingChild::RecordingChild(tarnbrook::GUIElement* container, const std::string& name,
                               std::vector<std::string>* journal)
    : EventRecorder(journal, name, true)
{
    kind = "recording";
    parent = container;
}

void RecordingChild::Create()
{
    AssignId();
    created = true;
    visible = true;
}

void RecordingChild::Paint()
{
    Record("Paint");
}

void RecordingChild::GotFocus()
{
    Record("GotFocus");
    EventRecorder::GotFocus();
}

void RecordingChild::LostFocus()
{
    Record("LostFocus");
    EventRecorder::LostFocus();
}

}  // namespace testsupport
