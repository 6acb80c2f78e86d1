#include <gtest/gtest.h>

#include "gfx/FontDescriptor.h"

#include "gfx/GraphicsContext.h"
#include "gfx/Screen.h"
#include "support/ScratchFolder.h"
#include "ui/Form.h"

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

// A font and a graphics context that outlive their display go with it: nothing is freed
// through the closed connection afterwards (libX11 would read freed memory, unseen by ASan).
TEST(FontDescriptorDisplay, AFontAndAContextOutlivingTheirDisplayGoWithIt)
{
    Screen screen("title");
    Form form(nullptr);
    form.SetScreen(&screen);
    form.Show();
    GraphicsContext gc(&form);
    ASSERT_TRUE(gc.IsValid());
    ASSERT_TRUE(form.GetFont().IsLoaded());
    screen.Close();
    EXPECT_FALSE(gc.IsValid());
    EXPECT_FALSE(form.GetFont().IsLoaded());
}

}  // namespace
}  // namespace tarnbrook
