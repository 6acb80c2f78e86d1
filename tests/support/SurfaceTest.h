#pragma once

#include <gtest/gtest.h>

#include "app/Application.h"
#include "support/EventPump.h"
#include "support/InputDriver.h"
#include "support/ShownForm.h"

namespace testsupport {

// A display test that draws on one form shown on the tests' X server; a fixture picks the
// form's size and back colour through the constructor.
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

    ShownForm surface;
};

// The same with real input, handed to the event loop's dispatcher by Pump.
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

    InputDriver input;
};

}  // namespace testsupport
