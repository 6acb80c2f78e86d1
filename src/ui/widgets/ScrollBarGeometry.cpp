#include "ui/widgets/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace tarnbrook {

Point ScrollBarSize(bool vertical, Point size)
{
    if (vertical) {
        return Point{std::max(size.x, kScrollBarThickness),
                     std::max(size.y, kScrollBarShortestLength)};
    }
    return Point{std::max(size.x, kScrollBarShortestLength),
                 std::max(size.y, kScrollBarThickness)};
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
    pages.cellLength = pages.trackLength / pages.pageCount;
    pages.lastCellExtra = pages.trackLength % pages.pageCount;
    return pages;
}

}  // namespace tarnbrook
