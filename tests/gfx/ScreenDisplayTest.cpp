#include <gtest/gtest.h>

#include "gfx/Screen.h"

#include <fcntl.h>

#include "app/Application.h"
#include "gfx/FontDescriptor.h"
#include "gfx/GraphicsContext.h"
#include "gfx/MyImage.h"
#include "gfx/PixelFormat.h"
#include "support/ScratchFolder.h"
#include "ui/Form.h"

namespace tarnbrook {
namespace {

// Whether the server still has the font.
bool ServerHas(Display* display, Font id)
{
    static int badFonts = 0;
    badFonts = 0;
    const XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent* error) {
        badFonts += error->error_code == BadFont;
        return 0;
    });
    XFontStruct* info = XQueryFont(display, id);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (info) {
        XFreeFontInfo(nullptr, info, 1);
    }
    return info && badFonts == 0;
}

// A font replaced by SetFamilyAndSize, or by an element's SetFont, is freed on the server; a
// copy owns no loaded font and frees only its own.
TEST(ScreenDisplay, AReplacedFontIsFreed)
{
    Screen screen("title");
    Display* display = screen.GetDisplay();
    FontDescriptor plain;
    const Font first = plain.GetFontStruct(display)->fid;
    FontDescriptor copy(plain);
    EXPECT_FALSE(copy.IsLoaded());
    const Font copied = copy.GetFontStruct(display)->fid;
    plain.SetFamilyAndSize("misc-fixed", 13);
    EXPECT_FALSE(ServerHas(display, first));
    EXPECT_TRUE(ServerHas(display, copied));
    Form form(nullptr);
    const Font formFont = form.GetFont().GetFontStruct(display)->fid;
    form.SetFont(FontDescriptor("misc-fixed", 13));
    EXPECT_FALSE(ServerHas(display, formFont));
}

// The first screen is the default and closes once, taking the fonts and contexts made on it
// along: nothing is freed through the closed connection afterwards (libX11 would read freed
// memory, unseen by ASan). Programs the game starts do not inherit the connection. A window not
// yet on screen cannot be read back: the layout then comes from the visual, with no X error.
TEST(ScreenDisplay, TheFirstScreenIsTheDefaultAndClosesOnceWithItsFontsAndContexts)
{
    Application::ResetState();
    testsupport::ScratchFolder folder;
    auto screen = std::make_unique<Screen>("title");
    ASSERT_NE(screen->GetDisplay(), nullptr);
    EXPECT_EQ(screen->GetDepth(), 24);
    {
        Screen second("second");
        EXPECT_EQ(Screen::Default(), screen.get());
    }
    EXPECT_EQ(ScreenWidth(), 1280);
    EXPECT_EQ(fcntl(ConnectionNumber(screen->GetDisplay()), F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
    {
        Form form(nullptr);
        form.SetScreen(screen.get());
        form.Show();
        form.Hide();
        XSync(screen->GetDisplay(), False);
        ProbePixelFormat(&form);
        XSync(screen->GetDisplay(), False);
        EXPECT_EQ(CurrentPixelFormat().bitsPerPixel, 32);
        EXPECT_EQ(MyImage::ixRosso * 100 + MyImage::ixVerde * 10 + MyImage::ixBlu, 210);
        GraphicsContext gc(&form);
        ASSERT_TRUE(gc.IsValid() && form.GetFont().IsLoaded());
        EXPECT_TRUE(screen->Close());
        EXPECT_FALSE(screen->Close());
        EXPECT_FALSE(gc.IsValid());
        EXPECT_FALSE(form.GetFont().IsLoaded());
    }
    screen.reset();
    EXPECT_EQ(ScreenWidth(), 0);  // a destroyed default is not reached
    EXPECT_FALSE(folder.Exists("log.txt")) << folder.Read("log.txt");
}

}  // namespace
}  // namespace tarnbrook
