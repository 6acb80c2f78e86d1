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
// The gaps between ticks on a track of that length: one per step while each step has its 8
// pixels, else as many 8-pixel gaps as fit (a huge range gets no tick per value).
int SliderTickGaps(int trackLength, int64_t steps);
// Offsets of the SliderTickGaps + 1 ticks from the track's start: equal gaps of length / gaps,
// the last tick at the track's end (so the last gap takes the rest).
std::vector<int> SliderTickOffsets(int trackLength, int64_t steps);
// What tick `tick` of `gaps` stands for, as steps from the minimum, and the reverse: the tick
// showing a value that many steps from the minimum (the nearest one below it).
int64_t SliderTickSteps(int tick, int gaps, int64_t steps);
int SliderTickOfSteps(int64_t fromMinimum, int gaps, int64_t steps);

}  // namespace tarnbrook
