#include <gtest/gtest.h>

#include "gfx/GraphicsContext.h"

#include <cstdlib>

#include "app/Application.h"
#include "gfx/Screen.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

// Without a display nothing opens, and a graphics context without a form draws nothing.
TEST(GraphicsContext, WithoutADisplayOrAFormNothingIsDrawnAndTheLogSaysWhy)
{
    testsupport::ScratchFolder folder;
    setenv("DISPLAY", ":9999", 1);
    Screen screen("title");
    EXPECT_TRUE(screen.HasOpenFailed());
    EXPECT_EQ(screen.GetDisplay(), nullptr);

    ASSERT_TRUE(Application::forms.empty());
    GraphicsContext gc(nullptr);
    EXPECT_FALSE(gc.IsValid());
    gc.DrawLine(0, 0, 10, 10, 1, 0xFF);
    gc.DrawText(0, 0, 100, 20, "text", 0, 0xFFFFFF, TextAlign::Centre);
    EXPECT_EQ(gc.CharWidthM(), 0);
    EXPECT_EQ(gc.GetPixel(0, 0), 0u);
    EXPECT_EQ(folder.Read("log.txt"), "XOpenDisplay(0) failed.\nErrore nella creazione del GC\n");
}

TEST(GraphicsContext, TextLinesAreFifteenHighUpToAnAscentOfFifteen)
{
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(12), 15);
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(15), 15);
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(16), 17);
}

}  // namespace
}  // namespace tarnbrook
