#include <gtest/gtest.h>

#include "gfx/GraphicsContext.h"

#include "app/Application.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(GraphicsContext, WithoutAnyFormItDrawsAndMeasuresNothing)
{
    testsupport::ScratchFolder folder;
    ASSERT_TRUE(Application::forms.empty());
    GraphicsContext gc(nullptr);
    EXPECT_FALSE(gc.IsValid());
    gc.DrawLine(0, 0, 10, 10, 1, 0xFF);
    gc.DrawText(0, 0, 100, 20, "text", 0, 0xFFFFFF, TextAlign::Centre);
    EXPECT_EQ(gc.CharWidthM(), 0);
    EXPECT_EQ(gc.GetPixel(0, 0), 0u);
    EXPECT_EQ(folder.Read("log.txt"), "Errore nella creazione del GC\n");
}

TEST(GraphicsContext, TextLinesAreFifteenHighUpToAnAscentOfFifteen)
{
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(12), 15);
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(15), 15);
    EXPECT_EQ(GraphicsContext::TextLineHeightFor(16), 17);
}

}  // namespace
}  // namespace tarnbrook
