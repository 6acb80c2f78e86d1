#include <gtest/gtest.h>

#include "gfx/FontDescriptor.h"

#include "gfx/GraphicsContext.h"
#include "gfx/Screen.h"
#include "support/ScratchFolder.h"
#include "ui/Form.h"

namespace tarnbrook {
namespace {

int badFonts = 0;

int CountBadFont(Display*, XErrorEvent* error)
{
    badFonts += error->error_code == BadFont;
    return 0;
}

// Whether the server still has the font.
bool ServerHas(Display* display, Font id)
{
    badFonts = 0;
    const XErrorHandler previous = XSetErrorHandler(CountBadFont);
    XFontStruct* info = XQueryFont(display, id);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (info) {
        XFreeFontInfo(nullptr, info, 1);
    }
    return info && badFonts == 0;
}

TEST(FontDescriptor, BuildsXlfdPatternsAndLoadsNothingWithoutADisplay)
{
    FontDescriptor plain;
    EXPECT_EQ(plain.BuildName(), "-*-*-Medium-R-Normal--14-*");
    plain.SetBold(true);
    plain.SetItalic(true);
    EXPECT_EQ(plain.BuildName(), "-*-*-Bold-I-Normal--14-*");
    FontDescriptor fixed("misc-fixed", 12);
    EXPECT_EQ(fixed.BuildName(), "-misc-fixed-Medium-R-Normal--12-*");
    fixed.SetBold(true);
    fixed.SetFamilyAndSize("adobe-helvetica", 18);  // a new family starts plain
    EXPECT_EQ(fixed.BuildName(), "-adobe-helvetica-Medium-R-Normal--18-*");
    EXPECT_EQ(plain.GetFontStruct(nullptr), nullptr);
    EXPECT_FALSE(plain.IsLoaded());
}

// A copy describes the same font but owns no loaded one: each frees only its own. A font
// replaced by SetFamilyAndSize, or by an element's SetFont, is freed on the server.
TEST(FontDescriptor, LoadsOnFirstUseAndFreesWhatItReplaces)
{
    testsupport::ScratchFolder folder;
    Screen screen("title");
    Display* display = screen.GetDisplay();
    ASSERT_NE(display, nullptr);
    FontDescriptor font;
    XFontStruct* loaded = font.GetFontStruct(display);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(font.GetSize(), loaded->ascent);
    EXPECT_EQ(font.GetFontStruct(display), loaded);
    FontDescriptor copy(font);
    EXPECT_FALSE(copy.IsLoaded());
    EXPECT_EQ(copy.BuildName(), font.BuildName());
    EXPECT_NE(copy.GetFontStruct(display), nullptr);

    const Font first = loaded->fid;
    font.SetFamilyAndSize("misc-fixed", 13);
    EXPECT_FALSE(font.IsLoaded());
    EXPECT_FALSE(ServerHas(display, first));
    EXPECT_TRUE(ServerHas(display, copy.GetFontStruct(display)->fid));

    Form form(nullptr);
    const Font formFont = form.GetFont().GetFontStruct(display)->fid;
    form.SetFont(FontDescriptor("misc-fixed", 13));
    EXPECT_FALSE(ServerHas(display, formFont));
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
