#include "ui/widgets/ValueRange.h"

#include <algorithm>
#include <climits>

namespace tarnbrook {

ValueRange::ValueRange(int minimum, int maximum) : minimum_(minimum), maximum_(maximum)
{
    if (maximum_ > minimum_) {
        return;
    }
    if (minimum_ == INT_MAX) {
        minimum_ = INT_MAX - 1;  // no int lies above it
    }
    maximum_ = minimum_ + 1;
}

int ValueRange::Clamp(int value) const
{
    return std::clamp(value, minimum_, maximum_);
}

}  // namespace tarnbrook
