#pragma once

#include <X11/X.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/Point.h"

namespace testsupport {

// Journals the element's input events as "name.Operation args", then runs its own behaviour.
template <typename Element>
class EventRecorder : public Element {
public:
    void RecordMotion(bool value) { recordMotion_ = value; }

    void MouseUp(tarnbrook::Point point) override
    {
        Record("MouseUp" + Text(point));
        Element::MouseUp(point);
    }
    void MouseDown(tarnbrook::Point point) override
    {
        Record("MouseDown" + Text(point));
        Element::MouseDown(point);
    }
    void OtherMouseUp(tarnbrook::Point point) override
    {
        Record("OtherMouseUp" + Text(point));
        Element::OtherMouseUp(point);
    }
    void OtherMouseDown(tarnbrook::Point point) override
    {
        Record("OtherMouseDown" + Text(point));
        Element::OtherMouseDown(point);
    }
    void KeyUp(KeySym keysym) override
    {
        Record("KeyUp " + std::to_string(keysym));
        Element::KeyUp(keysym);
    }
    void KeyDown(KeySym keysym) override
    {
        Record("KeyDown " + std::to_string(keysym));
        Element::KeyDown(keysym);
    }
    bool KeyChar(char character) override
    {
        Record("KeyChar " + std::to_string(static_cast<int>(character)));
        return Element::KeyChar(character);
    }
    void MouseMove(int pointerX, int pointerY) override
    {
        RecordMotionEvent("MouseMove" + Text(tarnbrook::Point{pointerX, pointerY}));
        Element::MouseMove(pointerX, pointerY);
    }

protected:
    template <typename... ElementArguments>
    EventRecorder(std::vector<std::string>* journal, std::string name, bool recordMotion,
                  ElementArguments&&... arguments)
        : Element(std::forward<ElementArguments>(arguments)...),
          journal_(journal),
          name_(std::move(name)),
          recordMotion_(recordMotion)
    {}

    void Record(const std::string& operation) { journal_->push_back(name_ + "." + operation); }
    void RecordMotionEvent(const std::string& operation)
    {
        if (recordMotion_) {
            Record(operation);
        }
    }
    static std::string Text(tarnbrook::Point point)
    {
        return " " + std::to_string(point.x) + "," + std::to_string(point.y);
    }

private:
    std::vector<std::string>* journal_;
    std::string name_;
    bool recordMotion_;
};

}  // namespace testsupport
