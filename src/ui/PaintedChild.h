#pragma once

#include <cstdint>
#include <string>

#include "ui/Child.h"

namespace tarnbrook {

class Form;

// The base of the elements that paint themselves on their form's window (pictures, labels,
// panels, widgets). Having no window of their own, they are painted when shown and their area is
// cleared when hidden. It overrides operations of GUIElement only and adds none, so a subclass's
// own virtual operations still follow GUIElement's.
class PaintedChild : public Child {
public:
    // When created: Hide (clearing the old area), store, Show; otherwise store only.
    void SetSize(int newWidth, int newHeight) override;
    void SetPosition(int newX, int newY) override;
    // The base behaviour, then Paint.
    void Show() override;
    void ShowMapped() override;
    // When created, clears the element's area in its container's back colour; then the base
    // Hide, and the element is no longer created (a later Show creates it again, same id).
    void Hide() override;
    // Takes an id unless it has one; created and visible.
    void Create() override;

protected:
    PaintedChild(GUIElement* container, const std::string& kindName, bool takesTab);

    // Hide, clearing w x h pixels from the element's corner in the colour.
    void HideErasing(int w, int h, int64_t color);
    void RepaintIfCreated();
    // The form to paint on, or null when it has no window (a closed dialog).
    Form* PaintableForm();
    // The same, and null too while the application is loading or before Create.
    Form* PaintTarget();
    // The element's top-left corner in its form's window.
    Point WindowPosition();
    // Sends what has been drawn to the X server at once.
    void FlushDisplay();
};

}  // namespace tarnbrook
