#include "ui/widgets/SliderGeometry.h"

#include <algorithm>

namespace tarnbrook {

namespace {

// X coordinates are 16-bit: nothing is made longer than that.
constexpr int64_t kLongestSide = 32767;

// Room for the labels along the track: the track is this much shorter than the side, plus one.
constexpr int kHorizontalEnds = 2 * kSliderLabelWidth;
constexpr int kVerticalEnds = 2 * kSliderLabelHeight;

int AlongTrack(int side, int ends, int64_t steps)
{
    const int64_t wanted = std::max<int64_t>(side, kSliderPixelsPerStep * steps + ends);
    const int64_t whole = (wanted - ends) / steps * steps + ends;
    return static_cast<int>(std::min(whole, kLongestSide));
}

}  // namespace

Point SliderSize(bool vertical, Point size, int64_t steps)
{
    steps = std::max<int64_t>(steps, 1);
    if (vertical) {
        return Point{std::max(size.x, kSliderMinimumWidth),
                     AlongTrack(size.y, kVerticalEnds, steps)};
    }
    return Point{AlongTrack(size.x, kHorizontalEnds, steps),
                 std::max(size.y, kSliderMinimumHeight)};
}

int SliderTrackLength(bool vertical, Point size)
{
    return vertical ? size.y - kVerticalEnds + 1 : size.x - kHorizontalEnds + 1;
}

int SliderTickGaps(int trackLength, int64_t steps)
{
    const int64_t fitting = std::max(trackLength / kSliderPixelsPerStep, 1);
    return static_cast<int>(std::clamp<int64_t>(steps, 1, fitting));
}

std::vector<int> SliderTickOffsets(int trackLength, int64_t steps)
{
    const int gaps = SliderTickGaps(trackLength, steps);
    const int gap = trackLength / gaps;
    std::vector<int> offsets;
    for (int i = 0; i < gaps; ++i) {
        offsets.push_back(i * gap);
    }
    offsets.push_back(trackLength);
    return offsets;
}

int64_t SliderTickSteps(int tick, int gaps, int64_t steps)
{
    return static_cast<int64_t>(tick) * steps / gaps;
}

int SliderTickOfSteps(int64_t fromMinimum, int gaps, int64_t steps)
{
    return static_cast<int>(fromMinimum * gaps / steps);
}

}  // namespace tarnbrook
