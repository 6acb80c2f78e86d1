#include <gtest/gtest.h>

#include "ui/widgets/ProgressBar.h"

#include "gfx/GraphicsContext.h"
#include "support/SurfaceTest.h"

namespace tarnbrook {
namespace {

constexpr int kGrey = 0xAAAAAA;
constexpr int kBlue = 0x0000FF;
constexpr int kForm = 0x304050;
constexpr int kX = 20;
constexpr int kY = 30;

class ProgressBarDisplayTest : public testsupport::SurfaceTest {
protected:
    ProgressBarDisplayTest() : SurfaceTest(240, 180, kForm) {}
    void SetUp() override
    {
        SurfaceTest::SetUp();
        bar.SetPosition(kX, kY);
    }
    testsupport::InkBox Bar() { return surface.FindColor(kX, kY, 190, 25, kBlue); }

    ProgressBar bar{&surface.Get(), 0, 100};
};

TEST_F(ProgressBarDisplayTest, HalfWayTheBarIs94PixelsWideInsideTheBevelAndTheEndsAreLimited)
{
    bar.Show();
    EXPECT_TRUE(Bar().Empty());
    bar.SetValue(50);
    const testsupport::InkBox blue = Bar();
    EXPECT_EQ(blue.left, kX + 1);
    EXPECT_EQ(blue.right, kX + 94);
    EXPECT_EQ(blue.top, kY + 1);
    EXPECT_EQ(blue.count, 94 * 23);
    EXPECT_EQ(surface.Pixel(kX + 95, kY + 10), kGrey);  // its own grey, not the form's colour
    EXPECT_EQ(surface.Pixel(kX, kY + 10), 0x000000);
    EXPECT_EQ(surface.Pixel(kX + 189, kY + 10), 0xFFFFFF);
    bar.SetValue(150);
    EXPECT_EQ(bar.GetValue(), 100);
    EXPECT_EQ(Bar().count, 188 * 23);
    bar.SetValue(-3);
    EXPECT_EQ(bar.GetValue(), 0);
    EXPECT_TRUE(Bar().Empty());

    bar.SetValue(30);  // the same value again paints nothing
    {
        GraphicsContext gc(&surface.Get());
        gc.FillRectangle(kX, kY, 50, 26, 0, GraphicsContext::NoColor, 0xFF0000);
    }
    bar.SetValue(30);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), 0xFF0000);
    bar.SetValue(31);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kBlue);
}

TEST_F(ProgressBarDisplayTest, WithoutBevelAndHidden)
{
    bar.SetBevel(false);
    bar.SetBackColor(0x123456);
    bar.Show();
    EXPECT_EQ(surface.CountOther(kX, kY, 190, 25, 0x123456), 0);
    EXPECT_EQ(surface.Pixel(kX + 190, kY + 25), kForm);

    // A hidden bar leaves nothing behind and stays hidden on repaints.
    bar.SetValue(100);
    bar.Hide();
    EXPECT_EQ(surface.CountOther(kX, kY, 191, 26, kForm), 0);
    surface.Get().Paint();
    bar.SetValue(20);
    EXPECT_EQ(surface.CountOther(kX, kY, 191, 26, kForm), 0);
    const uint32_t id = bar.GetId();
    bar.Show();
    EXPECT_EQ(Bar().count, 37 * 23);
    EXPECT_EQ(bar.GetId(), id);
}

}  // namespace
}  // namespace tarnbrook
