#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "support/WidgetPixels.h"
#include "ui/Form.h"
#include "ui/widgets/OptionBox.h"
#include "ui/widgets/ProgressBar.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/ScrollBarGeometry.h"
#include "ui/widgets/Slider.h"
#include "ui/widgets/SliderGeometry.h"
#include "ui/widgets/ValueRange.h"

namespace tarnbrook {
namespace {

using testsupport::XY;

// The track is a whole number of steps and the rest goes to the last gap.
TEST(SliderGeometry, TheTrackIsAWholeNumberOfStepsAndTheRestGoesToTheLastGap)
{
    const Point size = SliderSize(false, Point{10, 10}, 4);
    EXPECT_EQ(XY(size), "72,36");
    EXPECT_EQ(SliderTickOffsets(SliderTrackLength(false, size), 4),
              (std::vector<int>{0, 8, 16, 24, 33}));
    // 100 wide over 7 steps: (100 - 40) / 7 = 8 per step, so 96 wide.
    EXPECT_EQ(XY(SliderSize(false, Point{100, 50}, 7)), "96,50");
    const Point tall = SliderSize(true, Point{10, 100}, 4);
    EXPECT_EQ(XY(tall), "40,100");
    EXPECT_EQ(SliderTickOffsets(SliderTrackLength(true, tall), 4),
              (std::vector<int>{0, 16, 32, 48, 65}));
    EXPECT_EQ(SliderTickOffsets(SliderTrackLength(false, SliderSize(false, {0, 0}, 1)), 1),
              (std::vector<int>{0, 9}));
}

// Small bars grow and values outside the content show on the nearest page.
TEST(ScrollBarGeometry, PagesCellsAndTheCurrentPage)
{
    // 122 wide: an 80-pixel track; 200 units make 3 pages of 26 pixels, the last 28.
    const ScrollBarPages pages = PagesOf(false, Point{122, 21}, ValueRange(0, 200), 85);
    EXPECT_EQ(std::make_tuple(pages.trackLength, pages.pageCount, pages.currentPage),
              std::make_tuple(80, 3, 1));
    EXPECT_EQ(pages.CellStart(2), 52);
    EXPECT_EQ(pages.CellLength(1), 26);
    EXPECT_EQ(pages.CellLength(2), 28);
    EXPECT_EQ(pages.PageValue(ValueRange(0, 200), 2), 160);
    EXPECT_EQ(ScrollBarSize(false, Point{80, 13}).y, 21);
    EXPECT_EQ(ScrollBarSize(true, Point{5, 5}).y, 52);
    const ScrollBarPages small = PagesOf(false, Point{0, 0}, ValueRange(0, 25), 0);
    EXPECT_EQ(std::make_pair(small.trackLength, small.pageCount), std::make_pair(10, 3));
    EXPECT_EQ(PagesOf(false, Point{122, 21}, ValueRange(0, 200), -500).currentPage, 0);
    EXPECT_EQ(PagesOf(false, Point{122, 21}, ValueRange(0, 200), 9999).currentPage, 2);
    EXPECT_EQ(PagesOf(false, Point{122, 21}, ValueRange(0, 80), 0).pageCount, 1);
    EXPECT_EQ(PagesOf(false, Point{122, 21}, ValueRange(7, 7), 7).pageCount, 1);
}

// Two billion values place no more ticks or cells than the pixels show, ends still reached.
TEST(HugeRanges, SlidersAndScrollBarsPlaceNoMoreTicksThanTheirPixelsShow)
{
    constexpr int kHuge = 2000000000;
    Slider slider(nullptr, false, 0, kHuge);
    slider.Create();
    slider.Paint();
    EXPECT_EQ(slider.GetWidth(), 32767);
    const std::vector<Point>& ticks = slider.GetTicks();
    const int trackLength = SliderTrackLength(false, slider.GetSize());
    ASSERT_EQ(ticks.size(), static_cast<size_t>(trackLength / 8 + 1));
    EXPECT_EQ(ticks[1].x - ticks[0].x, 8);
    EXPECT_TRUE(slider.SetValueFromPoint(ticks.back().x, 0));
    EXPECT_EQ(slider.GetValue(), kHuge);
    EXPECT_TRUE(slider.SetValueFromPoint(ticks[1].x, 0));
    EXPECT_EQ(slider.GetValue(), kHuge / static_cast<int>(ticks.size() - 1));

    ScrollBar bar(nullptr, 0, kHuge);
    EXPECT_EQ(bar.GetValue(), 0);
    bar.SetSize(200, 21);
    bar.Create();
    bar.Paint();
    const ScrollBarPages pages = bar.GetPages();
    EXPECT_EQ(pages.cellCount, 158);
    EXPECT_EQ(bar.GetTicks().size(), 158u);
    bar.SetValue(kHuge);
    EXPECT_EQ(bar.GetPages().currentCell, 157);
    EXPECT_TRUE(bar.SetValueFromPoint(bar.GetTicks()[1].x + 1, 0));
    EXPECT_EQ(bar.GetValue(), pages.PageValue(ValueRange(0, kHuge), pages.CellPage(1)));
}

// A range with maximum = minimum draws no bar, not a division by zero.
TEST(ProgressBarGeometry, TheBarIsTheReachedShareOfTheInside)
{
    EXPECT_EQ(ProgressBar::BarWidth(188, 0, 3, 1), 62);
    EXPECT_EQ(ProgressBar::BarWidth(188, 40, 40, 40), 0);
    EXPECT_EQ(ProgressBar::BarWidth(-4, 0, 100, 50), 0);
}

// Without a display only the list is checked: captions, selection and removal.
TEST(OptionBox, CaptionsValuesSelectionAndRemoval)
{
    Form form(nullptr);
    OptionBox box(&form);
    EXPECT_EQ(box.GetCaption(0) + box.GetValue(-1) + box.GetItemCaption(3), "");
    EXPECT_FALSE(box.SetSelectedIndex(-5));
    box.SelectFirst();
    EXPECT_EQ(box.GetSelectedIndex(), -1);
    for (int i = 0; i < 5; ++i) {
        box.AddItem("caption " + std::to_string(i), "value " + std::to_string(i));
    }
    EXPECT_EQ(box.GetCaption(1) + box.GetValue(1), "caption 1value 1");
    EXPECT_EQ(box.GetCaption(5) + box.GetValue(-7), "caption 4value 4");
    EXPECT_EQ(box.GetSelectedIndex(), -1);
    EXPECT_TRUE(box.SetSelectedIndex(-5));
    EXPECT_EQ(box.GetSelectedIndex(), 0);
    EXPECT_FALSE(box.SetSelectedIndex(5));
    EXPECT_TRUE(box.SetSelectedIndex(4));
    box.SelectFirst();
    EXPECT_EQ(box.GetSelectedIndex(), 0);

    box.SetSelectedIndex(3);
    EXPECT_TRUE(box.RemoveItem(4));  // after the selection: nothing moves
    EXPECT_EQ(box.GetSelectedIndex(), 3);
    EXPECT_TRUE(box.RemoveItem(3));  // the selected last option: the one before it
    EXPECT_EQ(box.GetSelectedIndex(), 2);
    EXPECT_TRUE(box.RemoveItem(0));  // before the selection: it stays on "caption 2"
    const int selected = box.GetSelectedIndex();
    EXPECT_EQ(box.GetCaption(selected) + box.GetValue(selected), "caption 2value 2");
    EXPECT_FALSE(box.RemoveItem(2) || box.RemoveItem(-1));
    EXPECT_TRUE(box.RemoveItem(1) && box.RemoveItem(0));
    EXPECT_EQ(box.GetSelectedIndex(), -1);
    box.AddItem("again", "again");
    box.SelectFirst();
    EXPECT_TRUE(box.Clear());
    EXPECT_EQ(box.GetItemCount(), 0);
    EXPECT_EQ(box.GetSelectedIndex(), -1);
}

}  // namespace
}  // namespace tarnbrook
