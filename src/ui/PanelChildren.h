#pragma once

#include <cstdint>

#include "ui/PaintedChild.h"

namespace tarnbrook {

// The toolkit's container element: a filled rectangle with an optional frame and caption on
// which other elements are placed (their parent is the panel). Showing, hiding and painting the
// panel does the same to its children: shown after it, hidden before it, painted after it.
class PanelChildren : public PaintedChild {
public:
    explicit PanelChildren(GUIElement* container);

    void SetFramed(bool value);     // a 3-D frame
    void SetFlatFrame(bool value);  // a plain black frame instead
    void SetSunken(bool value);     // dark at top and left, else light there
    void SetCaptionColor(int64_t color);
    void SetChildBackColor(int64_t color);  // given to every child before it paints

    void Show() override;
    void ShowMapped() override;
    void Hide() override;
    void Paint() override;

private:
    bool framed_ = false;
    bool flatFrame_ = false;
    bool sunken_ = true;
    int64_t captionColor_ = NoBackColor;
    int64_t childBackColor_ = NoBackColor;
};

}  // namespace tarnbrook
