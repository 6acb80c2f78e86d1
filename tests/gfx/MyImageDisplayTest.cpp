#include <gtest/gtest.h>

#include "gfx/MyImage.h"

#include <vector>

#include "gfx/GraphicsContext.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"

namespace tarnbrook {
namespace {

class MyImageDisplayTest : public testsupport::SurfaceTest {
protected:
    MyImageDisplayTest() : SurfaceTest(200, 150, 0x204060) {}
    testsupport::ScratchFolder folder;
};

RgbBuffer Gradient(int width, int height)
{
    RgbBuffer rgb(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgb.SetPixel(x, y, static_cast<unsigned char>(10 * x + 5),
                         static_cast<unsigned char>(10 * y + 5), 0x80);
        }
    }
    return rgb;
}

TEST_F(MyImageDisplayTest, PaintsItsRgbDataWithASunkenBorder)
{
    const RgbBuffer rgb = Gradient(8, 6);
    MyImage image(&surface.Get(), rgb.Data(), true, 8, 6);
    image.SetPosition(20, 30);
    image.Show();
    EXPECT_EQ(surface.Pixel(20, 30), 0x050580);
    EXPECT_EQ(surface.Pixel(27, 35), 0x4B3780);

    image.SetBorder(true);
    EXPECT_EQ(surface.Pixel(20, 30), 0x000000);
    EXPECT_EQ(surface.Pixel(20, 34), 0x000000);
    EXPECT_EQ(surface.Pixel(27, 30), 0xFFFFFF);
    EXPECT_EQ(surface.Pixel(22, 35), 0xFFFFFF);
    EXPECT_EQ(surface.Pixel(21, 31), 0x0F0F80);

    image.Hide();
    EXPECT_EQ(surface.CountOther(20, 30, 8, 6, 0x204060), 0);
}

// The image is built at the size its data was given with: growing the element before the first
// paint reads nothing beyond the data (AddressSanitizer watches).
TEST_F(MyImageDisplayTest, DataKeepsItsOwnSizeWhenTheElementGrowsBeforeItsFirstPaint)
{
    const RgbBuffer rgb = Gradient(2, 2);
    MyImage image(&surface.Get(), rgb.Data(), true, 2, 2);
    image.SetPosition(20, 30);
    image.SetSize(40, 40);
    image.Show();
    ASSERT_NE(image.GetImage(), nullptr);
    EXPECT_EQ(image.GetImage()->width, 2);
    EXPECT_EQ(surface.Pixel(21, 31), 0x0F0F80);
}

TEST_F(MyImageDisplayTest, AGivenImageStaysTheCallersAndABuiltOneIsReplaced)
{
    const RgbBuffer rgb = Gradient(4, 4);
    ImagePtr given = CreateXImage(&surface.Get(), Gradient(4, 4));
    {
        MyImage image(&surface.Get(), rgb.Data(), true, 4, 4);
        image.SetPosition(10, 10);
        image.Show();
        ASSERT_NE(image.GetImage(), nullptr);
        image.SetImage(given.get());  // the built image is destroyed here
        EXPECT_EQ(image.GetImage(), given.get());
        image.SetImageData(rgb.Data());  // the given one is only forgotten
        EXPECT_NE(image.GetImage(), nullptr);
        EXPECT_NE(image.GetImage(), given.get());
        image.SetImage(given.get());
    }
    GraphicsContext gc(&surface.Get());
    gc.PutImage(50, 50, 0, 0, given.get());
    EXPECT_EQ(surface.Pixel(53, 53), 0x232380);
}

TEST_F(MyImageDisplayTest, WithoutAnImageTheAreaTakesTheContainersColour)
{
    MyImage image(&surface.Get(), static_cast<XImage*>(nullptr));
    image.SetPosition(10, 10);
    image.SetSize(20, 20);
    image.Show();
    EXPECT_EQ(surface.Pixel(10, 10), 0x204060);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

}  // namespace
}  // namespace tarnbrook
