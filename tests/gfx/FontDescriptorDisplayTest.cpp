#include <gtest/gtest.h>

#include "gfx/FontDescriptor.h"

#include "gfx/Screen.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

TEST(FontDescriptorDisplay, LoadsOnFirstUseAndAnswersTheAscent)
{
    testsupport::ScratchFolder folder;
    Screen screen("title");
    ASSERT_NE(screen.GetDisplay(), nullptr);
    {
        FontDescriptor font;
        XFontStruct* loaded = font.GetFontStruct(screen.GetDisplay());
        ASSERT_NE(loaded, nullptr);
        EXPECT_TRUE(font.IsLoaded());
        EXPECT_EQ(font.GetSize(), loaded->ascent);
        EXPECT_EQ(font.GetFontStruct(screen.GetDisplay()), loaded);

        FontDescriptor copy(font);
        EXPECT_FALSE(copy.IsLoaded());
        EXPECT_EQ(copy.BuildName(), font.BuildName());
    }
    EXPECT_FALSE(folder.Exists("log.txt"));
}

TEST(FontDescriptorDisplay, AMissingFontFallsBackWithOneLogLine)
{
    testsupport::ScratchFolder folder;
    Screen screen("title");
    ASSERT_NE(screen.GetDisplay(), nullptr);
    FontDescriptor font("nosuchfoundry-nosuchfamily", 14);
    EXPECT_NE(font.GetFontStruct(screen.GetDisplay()), nullptr);
    EXPECT_NE(font.GetFontStruct(screen.GetDisplay()), nullptr);
    EXPECT_EQ(folder.Read("log.txt"), "XLoadQueryFont failed\n");
}

}  // namespace
}  // namespace tarnbrook
