#include <gtest/gtest.h>

#include <vector>

#include "ui/Form.h"
#include "ui/widgets/OptionBox.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/ScrollBarGeometry.h"
#include "ui/widgets/Slider.h"
#include "ui/widgets/SliderGeometry.h"
#include "ui/widgets/ValueRange.h"

namespace tarnbrook {
namespace {

// Two billion values place no more ticks or cells than the pixels show, ends still reached; one
// step still has two ticks and an empty range one page.
TEST(RangeEnds, HugeOnesPlaceNoMoreTicksThanPixelsAndEmptyOnesStillHaveAPage)
{
    EXPECT_EQ(SliderTickOffsets(SliderTrackLength(false, SliderSize(false, {0, 0}, 1)), 1),
              (std::vector<int>{0, 9}));
    EXPECT_EQ(PagesOf(false, Point{122, 21}, ValueRange(7, 7), 7).pageCount, 1);
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
