#include "support/RecordingForm.h"

#include "app/Application.h"

namespace testsupport {

using tarnbrook::Point;

namespace {
std::string Text(Point point)
{
    return " " + std::to_string(point.x) + "," + std::to_string(point.y);
}
}  // namespace

RecordingForm::RecordingForm(std::vector<std::string>* journal, bool isDialog,
                             const std::string& name)
    : Form(nullptr, isDialog), journal_(journal), name_(name)
{
}

void RecordingForm::Record(const std::string& operation)
{
    journal_->push_back(name_ + "." + operation);
}

void RecordingForm::MouseUp(Point point)
{
    Record("MouseUp" + Text(point));
    Form::MouseUp(point);
}

void RecordingForm::MouseDown(Point point)
{
    Record("MouseDown" + Text(point));
    Form::MouseDown(point);
}

void RecordingForm::OtherMouseUp(Point point)
{
    Record("OtherMouseUp" + Text(point));
    Form::OtherMouseUp(point);
}

void RecordingForm::OtherMouseDown(Point point)
{
    Record("OtherMouseDown" + Text(point));
    Form::OtherMouseDown(point);
}

void RecordingForm::KeyUp(KeySym keysym)
{
    Record("KeyUp " + std::to_string(keysym));
    Form::KeyUp(keysym);
}

void RecordingForm::KeyDown(KeySym keysym)
{
    Record("KeyDown " + std::to_string(keysym));
    Form::KeyDown(keysym);
}

bool RecordingForm::KeyChar(char character)
{
    Record("KeyChar " + std::to_string(static_cast<int>(character)));
    return Form::KeyChar(character);
}

void RecordingForm::MouseMove(int pointerX, int pointerY)
{
    if (recordMotion_) {
        Record("MouseMove" + Text(Point{pointerX, pointerY}));
    }
    Form::MouseMove(pointerX, pointerY);
}

void RecordingForm::MouseEnter()
{
    if (recordMotion_) {
        Record("MouseEnter");
    }
    Form::MouseEnter();
}

void RecordingForm::MouseLeave()
{
    if (recordMotion_) {
        Record("MouseLeave");
    }
    Form::MouseLeave();
}

void RecordingForm::Resized()
{
    const Point size = GetSize();
    Record("Resized" + Text(size));
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
