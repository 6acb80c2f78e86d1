#include "support/RecordingChild.h"

namespace testsupport {

using tarnbrook::Point;

namespace {
std::string Text(Point point)
{
    return " " + std::to_string(point.x) + "," + std::to_string(point.y);
}
}  // namespace

RecordingChild::RecordingChild(tarnbrook::GUIElement* container, const std::string& name,
                               std::vector<std::string>* journal)
    : name_(name), journal_(journal)
{
    kind = "recording";
    parent = container;
}

void RecordingChild::Record(const std::string& operation)
{
    journal_->push_back(name_ + "." + operation);
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

void RecordingChild::MouseUp(Point point)
{
    Record("MouseUp" + Text(point));
    Child::MouseUp(point);
}

void RecordingChild::MouseDown(Point point)
{
    Record("MouseDown" + Text(point));
    Child::MouseDown(point);
}

void RecordingChild::OtherMouseUp(Point point)
{
    Record("OtherMouseUp" + Text(point));
    Child::OtherMouseUp(point);
}

void RecordingChild::OtherMouseDown(Point point)
{
    Record("OtherMouseDown" + Text(point));
    Child::OtherMouseDown(point);
}

void RecordingChild::KeyUp(KeySym keysym)
{
    Record("KeyUp " + std::to_string(keysym));
    Child::KeyUp(keysym);
}

void RecordingChild::KeyDown(KeySym keysym)
{
    Record("KeyDown " + std::to_string(keysym));
    Child::KeyDown(keysym);
}

bool RecordingChild::KeyChar(char character)
{
    Record("KeyChar " + std::to_string(static_cast<int>(character)));
    return Child::KeyChar(character);
}

void RecordingChild::MouseMove(int pointerX, int pointerY)
{
    Record("MouseMove" + Text(Point{pointerX, pointerY}));
    Child::MouseMove(pointerX, pointerY);
}

void RecordingChild::GotFocus()
{
    Record("GotFocus");
    Child::GotFocus();
}

void RecordingChild::LostFocus()
{
    Record("LostFocus");
    Child::LostFocus();
}

}  // namespace testsupport
