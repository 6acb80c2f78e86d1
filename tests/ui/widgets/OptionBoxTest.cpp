#include <gtest/gtest.h>

#include "ui/widgets/OptionBox.h"

#include "ui/Form.h"

namespace tarnbrook {
namespace {

// The list without a display: the box is never created, so nothing paints.
class OptionBoxTest : public ::testing::Test {
protected:
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i) {
            box.AddItem("caption " + std::to_string(i), "value " + std::to_string(i));
        }
    }

    Form form{nullptr};
    OptionBox box{&form};
};

// Beyond the list a caption or value is the last one's; of an empty list, the empty text.
// Selecting below zero takes the first, beyond the list is refused; a new list starts
// unselected.
TEST_F(OptionBoxTest, CaptionsValuesAndSelectionBeyondTheList)
{
    EXPECT_EQ(box.GetCaption(0) + box.GetValue(-1) + box.GetItemCaption(3), "");
    EXPECT_FALSE(box.SetSelectedIndex(-5));
    box.SelectFirst();
    EXPECT_EQ(box.GetSelectedIndex(), -1);
    Fill(3);
    EXPECT_EQ(box.GetCaption(1) + box.GetValue(1), "caption 1value 1");
    EXPECT_EQ(box.GetCaption(3) + box.GetValue(-7), "caption 2value 2");
    EXPECT_EQ(box.GetSelectedIndex(), -1);
    EXPECT_TRUE(box.SetSelectedIndex(-5));
    EXPECT_EQ(box.GetSelectedIndex(), 0);
    EXPECT_FALSE(box.SetSelectedIndex(3));
    EXPECT_TRUE(box.SetSelectedIndex(2));
    box.SelectFirst();
    EXPECT_EQ(box.GetSelectedIndex(), 0);
    EXPECT_TRUE(box.Clear());
    EXPECT_EQ(box.GetItemCount(), 0);
    EXPECT_EQ(box.GetSelectedIndex(), -1);
}

TEST_F(OptionBoxTest, RemovingKeepsTheSelectedOptionOrTakesTheOneBeforeTheLast)
{
    Fill(5);
    box.SetSelectedIndex(3);
    EXPECT_TRUE(box.RemoveItem(4));  // after the selection: nothing moves
    EXPECT_EQ(box.GetSelectedIndex(), 3);
    EXPECT_TRUE(box.RemoveItem(3));  // the selected last option: the one before it
    EXPECT_EQ(box.GetSelectedIndex(), 2);
    EXPECT_TRUE(box.RemoveItem(0));  // before the selection: it stays on "caption 2"
    EXPECT_EQ(box.GetCaption(box.GetSelectedIndex()), "caption 2");
    EXPECT_FALSE(box.RemoveItem(2));
    EXPECT_FALSE(box.RemoveItem(-1));
    EXPECT_TRUE(box.RemoveItem(1) && box.RemoveItem(0));
    EXPECT_EQ(box.GetSelectedIndex(), -1);
}

}  // namespace
}  // namespace tarnbrook
