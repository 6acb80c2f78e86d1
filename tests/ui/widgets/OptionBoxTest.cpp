#include <gtest/gtest.h>

#include "ui/widgets/OptionBox.h"

#include "ui/Form.h"

namespace tarnbrook {
namespace {

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
    EXPECT_EQ(box.GetCaption(box.GetSelectedIndex()), "caption 2");
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
