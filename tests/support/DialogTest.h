#pragma once

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/InputDriver.h"
#include "support/OwnerForm.h"
#include "support/ScratchFolder.h"
#include "ui/Point.h"

namespace tarnbrook {
class Form;
class GUIElement;
}  // namespace tarnbrook

namespace testsupport {

// A display test of dialogs opened over an owner form, with real input handed to the event
// loop's dispatcher.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Dispatches the events received so far.
    void Pump();
    // A click in the middle of the element, then a pump.
    void ClickMiddle(tarnbrook::Form* form, tarnbrook::GUIElement* element);
    // The keys typed with the pointer in the form, then a pump.
    void Type(tarnbrook::Form* form, const std::vector<KeySym>& keys);
    static std::string At(tarnbrook::Point point);

    // What must be the same after a thousand dialogs as before them.
    struct Census {
        int windows;
        std::size_t elements;
        bool operator==(const Census& other) const;
    };
    Census Count() const;

    ScratchFolder folder;
    OwnerForm owner;
    InputDriver input;
};

}  // namespace testsupport
