#pragma once

#include <cstdint>

namespace tarnbrook {

// The closed range of a slider or a scroll bar. A range must hold at least one step: a maximum
// at or below the minimum is taken as the minimum plus one, so that nothing ever divides by an
// empty range.
class ValueRange {
public:
    ValueRange(int minimum, int maximum);

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // maximum - minimum, at least 1; wide enough for any two ints.
    int64_t Steps() const { return static_cast<int64_t>(maximum_) - minimum_; }
    int Clamp(int value) const;

private:
    int minimum_;
    int maximum_;
};

}  // namespace tarnbrook
