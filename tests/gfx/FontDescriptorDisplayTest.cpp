#include <gtest/gtest.h>

#include "gfx/FontDescriptor.h"

#include "gfx/Screen.h"
#include "support/ScratchFolder.h"

namespace tarnbrook {
namespace {

// A copy describes the same font but owns no loaded one: each frees only its own.
TEST(FontDescriptorDisplay, LoadsOnFirstUseAndACopyLoadsItsOwn)
{
    testsupport::ScratchFolder folder;
    Screen screen("title");
    ASSERT_NE(screen.GetDisplay(), nullptr);
    FontDescriptor font;
    XFontStruct* loaded = font.GetFontStruct(screen.GetDisplay());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(font.GetSize(), loaded->ascent);
    EXPECT_EQ(font.GetFontStruct(screen.GetDisplay()), loaded);
    FontDescriptor copy(font);
    EXPECT_FALSE(copy.IsLoaded());
    EXPECT_EQ(copy.BuildName(), font.BuildName());
    EXPECT_NE(copy.GetFontStruct(screen.GetDisplay()), nullptr);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

}  // namespace
}  // namespace tarnbrook
