#include "ui/widgets/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace tarnbrook {

namespace {

// X coordinates are 16-bit: nothing is made longer than that.
constexpr int kLongestSide = 32767;

int Side(int wanted, int least)
{
    return std::clamp(wanted, least, kLongestSide);
}

}  // namespace

Point ScrollBarSize(bool vertical, Point size)
{
    if (vertical) {
        return Point{Side(size.x, kScrollBarThickness), Side(size.y, kScrollBarShortestLength)};
    }
    return Point{Side(size.x, kScrollBarShortestLength), Side(size.y, kScrollBarThickness)};
}

int ScrollBarPages::CellPage(int cell) const
{
    return static_cast<int>(static_cast<int64_t>(cell) * pageCount / cellCount);
}

int ScrollBarPages::PageValue(const ValueRange& range, int page) const
{
    return static_cast<int>(range.Minimum() + static_cast<int64_t>(page) * trackLength);
}

ScrollBarPages PagesOf(bool vertical, Point size, const ValueRange& range, int value)
{
    ScrollBarPages pages;
    size = ScrollBarSize(vertical, size);  // keeps the track at least 10 pixels long
    const int64_t length = (vertical ? size.y : size.x) - 2 * kScrollBarArrowZone;
    pages.trackLength = static_cast<int>(length);
    const int64_t steps = range.Steps();
    pages.pageCount = static_cast<int>((steps + length - 1) / length);
    const int64_t page = (static_cast<int64_t>(value) - range.Minimum()) / length;
    pages.currentPage = static_cast<int>(std::clamp<int64_t>(page, 0, pages.pageCount - 1));
    pages.cellCount = std::min(pages.pageCount, pages.trackLength);
    pages.currentCell = static_cast<int>(static_cast<int64_t>(pages.currentPage) * pages.cellCount /
                                         pages.pageCount);
    pages.cellLength = pages.trackLength / pages.cellCount;
    pages.lastCellExtra = pages.trackLength % pages.cellCount;
    return pages;
}

}  // namespace tarnbrook
