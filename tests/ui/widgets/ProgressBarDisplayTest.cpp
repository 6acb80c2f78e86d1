#include <gtest/gtest.h>

#include "ui/widgets/ProgressBar.h"

#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

using namespace testsupport;

constexpr int kBlue = 0x0000FF;
constexpr int kForm = 0x304050;
constexpr int kX = 20;
constexpr int kY = 30;

class ProgressBarDisplayTest : public SurfaceTest {
protected:
    ProgressBarDisplayTest() : SurfaceTest(240, 180, kForm) {}
    void SetUp() override
    {
        SurfaceTest::SetUp();
        bar.SetPosition(kX, kY);
    }
    InkBox Bar() { return surface.FindColor(kX, kY, 190, 25, kBlue); }

    ProgressBar bar{&surface.Get(), 0, 100};
};

// The bar lies inside the bevel on the bar's own grey; values are limited to the range, and the
// same value again paints nothing.
TEST_F(ProgressBarDisplayTest, HalfWayTheBarIs94PixelsWideInsideTheBevel)
{
    bar.Show();
    EXPECT_TRUE(Bar().Empty());
    bar.SetValue(50);
    const InkBox blue = Bar();
    EXPECT_EQ(blue.left, kX + 1);
    EXPECT_EQ(blue.top, kY + 1);
    EXPECT_EQ(blue.count, 94 * 23);
    EXPECT_EQ(
        Unmet(surface,
              {{kX + 95, kY + 10, kGrey}, {kX, kY + 10, kBlack}, {kX + 189, kY + 10, kWhite}}),
        "");
    bar.SetValue(150);
    EXPECT_EQ(Bar().count, 188 * 23);
    bar.SetValue(-3);
    EXPECT_EQ(bar.GetValue(), 0);
    bar.SetValue(30);
    Paint(surface, kX, kY, 50, 25);
    bar.SetValue(30);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kMarker);
    bar.SetValue(31);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kBlue);
}

// Without a bevel the back colour fills the whole bar; a hidden bar leaves nothing behind and
// stays hidden on repaints.
TEST_F(ProgressBarDisplayTest, WithoutBevelAndHidden)
{
    bar.SetBevel(false);
    bar.SetBackColor(0x123456);
    bar.Show();
    EXPECT_EQ(surface.CountOther(kX, kY, 190, 25, 0x123456), 0);
    EXPECT_EQ(surface.Pixel(kX + 190, kY + 25), kForm);
    bar.SetValue(100);
    bar.Hide();
    surface.Get().Paint();
    bar.SetValue(20);
    EXPECT_EQ(surface.CountOther(kX, kY, 191, 26, kForm), 0);
    bar.Show();
    EXPECT_EQ(Bar().count, 37 * 23);
}

}  // namespace
}  // namespace tarnbrook
