#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "app/Application.h"
#include "support/ReferencePaint.h"
#include "support/ShownForm.h"

namespace testsupport {

// A display test drawing on one form shown on the tests' X server.
class SurfaceTest : public ::testing::Test {
protected:
    explicit SurfaceTest(int width = 240, int height = 180, long backColor = -1)
        : surface(width, height, backColor)
    {}
    void SetUp() override
    {
        tarnbrook::Application::ResetState();
        ASSERT_TRUE(surface.Viewable());
    }

    void ExpectSpots(std::initializer_list<Spot> spots)
    {
        for (const Spot& spot : spots) {
            EXPECT_EQ(surface.Pixel(spot.x, spot.y), spot.color) << spot.x << "," << spot.y;
        }
    }
    // The whole form, pixel for pixel, as the picture of that name in tests/data.
    void ExpectPicture(const std::string& name)
    {
        const int w = surface.Get().GetClientWidth(), h = surface.Get().GetClientHeight();
        EXPECT_EQ(PictureDifference(Area{w, h, surface.Area(0, 0, w, h)}, name), "");
    }

    ShownForm surface;
};

}  // namespace testsupport
