#pragma once

#include "ui/Point.h"
#include "ui/widgets/ValueRange.h"

namespace tarnbrook {

// A scroll bar keeps an arrow zone of 21 pixels at each end; the track between them is divided
// into one cell per page of content, a page being as many units as the track has pixels.
constexpr int kScrollBarArrowZone = 21;
constexpr int kScrollBarThickness = 21;       // at least, across the bar
constexpr int kScrollBarShortestLength = 52;  // at least, along the bar

// The size a scroll bar takes when painted: at least the least sizes, at most 32767 each way.
Point ScrollBarSize(bool vertical, Point size);

// The track shows one cell per page while every page has a pixel of its own; with more pages
// than pixels each cell is one pixel and stands for a run of pages (a huge range gets no cell
// per page).
struct ScrollBarPages {
    int trackLength = 0;    // L, pixels between the arrow zones
    int pageCount = 1;      // P = ceil(range / L)
    int currentPage = 0;    // c, the page holding the value, kept within 0 .. P - 1
    int cellCount = 1;      // C = min(P, L)
    int currentCell = 0;    // the cell showing page c
    int cellLength = 0;     // L / C
    int lastCellExtra = 0;  // L mod C, added to the last cell

    int CellStart(int cell) const { return cell * cellLength; }  // from the track's start
    int CellLength(int cell) const
    {
        return cell == cellCount - 1 ? cellLength + lastCellExtra : cellLength;
    }
    // The first page a cell stands for.
    int CellPage(int cell) const;
    // The value at the start of a page.
    int PageValue(const ValueRange& range, int page) const;
};

// The pages of a bar of that size (taken through ScrollBarSize) over the range with that value. A
// value outside the content (the bar stores what it is given) is shown on the nearest page.
ScrollBarPages PagesOf(bool vertical, Point size, const ValueRange& range, int value);

}  // namespace tarnbrook
