#include "support/RecordingForm.h"

#include "app/Application.h"

namespace testsupport {

RecordingForm::RecordingForm(std::vector<std::string>* journal, bool isDialog,
                             const std::string& name)
    : EventRecorder(journal, name, false, nullptr, isDialog)
{}

void RecordingForm::MouseEnter()
{
    if (RecordsMotion()) {
        Record("MouseEnter");
    }
    Form::MouseEnter();
}

void RecordingForm::MouseLeave()
{
    if (RecordsMotion()) {
        Record("MouseLeave");
    }
    Form::MouseLeave();
}

void RecordingForm::Resized()
{
    Record("Resized" + Text(GetSize()));
    Form::Resized();
}

bool RecordingForm::QueryClose()
{
    const bool answer = Form::QueryClose();
    Record(std::string("QueryClose ") + (answer ? "true" : "false"));
    return answer;
}

void RecordingForm::Close()
{
    Record("Close");
    Form::Close();
}

void RecordingForm::OnUserMessage()
{
    Record("UserMessage");
    tarnbrook::Application::quitRequested = true;
}

}  // namespace testsupport
