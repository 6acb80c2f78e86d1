#pragma once

#include "ui/GUIElement.h"

namespace tarnbrook {

// The base of every element that lives inside a form or panel: it has no window of its own,
// is listed among its container's children and is hit-tested by the event loop. The concrete
// class sets `kind`, `parent` and its own defaults, and implements Create.
class Child : public GUIElement {
public:
    ~Child() override;

protected:
    Child();
};

}  // namespace tarnbrook
