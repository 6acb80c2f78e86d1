#pragma once

#include <gtest/gtest.h>

#include "app/Application.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
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

    void ExpectSpots(std::initializer_list<Spot> spots) { EXPECT_EQ(surface.Unmet(spots), ""); }

    ShownForm surface;
};

// The same with real input, handed to the dispatcher by Pump.
class InputSurfaceTest : public SurfaceTest {
protected:
    using SurfaceTest::SurfaceTest;
    void SetUp() override
    {
        SurfaceTest::SetUp();
        ASSERT_TRUE(input.Connected());
    }
    Window FormWindow() { return surface.Get().GetWindow(); }
    void Pump() { DispatchPending(&surface.Get()); }
    void ClickAt(int x, int y)
    {
        input.Click(FormWindow(), x, y);
        Pump();
    }
    void Drag(int x, int y)
    {
        input.MoveTo(FormWindow(), x, y);
        Pump();
    }
    void Press(int x, int y)
    {
        input.MoveTo(FormWindow(), x, y);
        input.PressButton(Button1);
        Pump();
    }

    InputDriver input;
};

}  // namespace testsupport
