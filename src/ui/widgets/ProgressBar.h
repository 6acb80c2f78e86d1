#pragma once

#include "ui/PaintedChild.h"

namespace tarnbrook {

// Shows an integer between a minimum and a maximum as a blue bar growing from the left inside a
// grey, optionally bevelled box. It takes no input. Hidden, its whole box is cleared, edges
// included, and it stays away until it is shown again.
class ProgressBar : public PaintedChild {
public:
    static constexpr int64_t kBarColor = 0x0000FF;

    ProgressBar(GUIElement* container, int minimum, int maximum);

    void Paint() override;

    // Kept within the minimum and the maximum; the same value again paints nothing.
    void SetValue(int newValue);
    int GetValue() const { return value_; }
    void SetBevel(bool value);

    // The bar's width in pixels inside a box `inside` pixels wide: the share of the range the
    // value has reached, truncated. A range without width has no bar.
    static int BarWidth(int inside, int minimum, int maximum, int value);

protected:
    int minimum_;
    int maximum_;
    int value_;
    bool bevel_ = true;
};

}  // namespace tarnbrook
