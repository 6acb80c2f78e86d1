#include <gtest/gtest.h>

#include "ui/widgets/ProgressBar.h"

#include "app/Application.h"
#include "gfx/GraphicsContext.h"
#include "support/ShownForm.h"

namespace tarnbrook {
namespace {

constexpr int kGrey = 0xAAAAAA;
constexpr int kBlue = 0x0000FF;
constexpr int kX = 20;
constexpr int kY = 30;

class ProgressBarDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_TRUE(surface.Viewable());
        bar.SetPosition(kX, kY);
    }

    testsupport::InkBox Bar() { return surface.FindColor(kX, kY, 190, 25, kBlue); }

    testsupport::ShownForm surface{240, 180, 0x304050};
    ProgressBar bar{&surface.Get(), 0, 100};
};

TEST_F(ProgressBarDisplayTest, HalfWayTheBarIs94PixelsWideInsideTheBevel)
{
    bar.Show();
    bar.SetValue(50);
    const testsupport::InkBox blue = Bar();
    EXPECT_EQ(blue.left, kX + 1);
    EXPECT_EQ(blue.right, kX + 94);
    EXPECT_EQ(blue.top, kY + 1);
    EXPECT_EQ(blue.bottom, kY + 23);
    EXPECT_EQ(blue.count, 94 * 23);
    EXPECT_EQ(surface.Pixel(kX + 95, kY + 10), kGrey);  // its own grey, not the form's colour
    EXPECT_EQ(surface.Pixel(kX + 50, kY), 0x000000);
    EXPECT_EQ(surface.Pixel(kX, kY + 10), 0x000000);
    EXPECT_EQ(surface.Pixel(kX + 189, kY + 10), 0xFFFFFF);
    EXPECT_EQ(surface.Pixel(kX + 50, kY + 24), 0xFFFFFF);
}

TEST_F(ProgressBarDisplayTest, TheEndsOfTheRangeDrawNothingOrTheWholeInsideAndOthersAreLimited)
{
    bar.Show();
    EXPECT_TRUE(Bar().Empty());
    bar.SetValue(150);
    EXPECT_EQ(bar.GetValue(), 100);
    EXPECT_EQ(Bar().count, 188 * 23);
    bar.SetValue(-3);
    EXPECT_EQ(bar.GetValue(), 0);
    EXPECT_TRUE(Bar().Empty());
}

TEST_F(ProgressBarDisplayTest, TheSameValueAgainPaintsNothing)
{
    bar.Show();
    bar.SetValue(30);
    {
        GraphicsContext gc(&surface.Get());
        gc.FillRectangle(kX, kY, 50, 26, 0, GraphicsContext::NoColor, 0xFF0000);
    }
    bar.SetValue(30);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), 0xFF0000);
    bar.SetValue(31);
    EXPECT_EQ(surface.Pixel(kX + 10, kY + 10), kBlue);
}

TEST_F(ProgressBarDisplayTest, WithoutBevelTheWholeBoxIsItsOwnColour)
{
    bar.SetBevel(false);
    bar.SetBackColor(0x123456);
    bar.Show();
    EXPECT_EQ(surface.CountOther(kX, kY, 190, 25, 0x123456), 0);
    EXPECT_EQ(surface.Pixel(kX + 190, kY + 25), 0x304050);
}

TEST_F(ProgressBarDisplayTest, AHiddenBarLeavesNothingBehindAndStaysHiddenOnRepaint)
{
    bar.Show();
    bar.SetValue(100);
    bar.Hide();
    EXPECT_EQ(surface.CountOther(kX, kY, 191, 26, 0x304050), 0);
    surface.Get().Paint();
    bar.SetValue(20);
    EXPECT_EQ(surface.CountOther(kX, kY, 191, 26, 0x304050), 0);
    const uint32_t id = bar.GetId();
    bar.Show();
    EXPECT_EQ(Bar().count, 37 * 23);
    EXPECT_EQ(bar.GetId(), id);
}

}  // namespace
}  // namespace tarnbrook
