#pragma once

#include <cstdint>
#include <vector>

#include "ui/Point.h"

namespace tarnbrook {

// Where a slider's parts go. A horizontal slider keeps 20 pixels at each end for the labels and
// its track runs from 20 pixels in to 19 pixels before the right edge; a vertical one keeps 18
// pixels at the top and 17 at the bottom.
constexpr int kSliderLabelWidth = 20;
constexpr int kSliderLabelHeight = 18;
constexpr int kSliderMinimumHeight = 36;  // horizontal
constexpr int kSliderMinimumWidth = 40;   // vertical
constexpr int kSliderPixelsPerStep = 8;   // at least, between two ticks

// The size a slider over `steps` steps takes when painted: at least the minimum across the
// track and 8 pixels per step along it, and along the track the labels' room plus a whole
// number of equal gaps.
Point SliderSize(bool vertical, Point size, int64_t steps);
// The track's length in pixels (from the first tick to the last) of a slider of that size.
int SliderTrackLength(bool vertical, Point size);
// Offsets of the steps + 1 ticks from the track's start: equal gaps of length / steps, the last
// tick at the track's end (so the last gap takes the rest).
std::vector<int> SliderTickOffsets(int trackLength, int64_t steps);

}  // namespace tarnbrook
