#include <gtest/gtest.h>

#include "gfx/Screen.h"

#include <fcntl.h>

#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "gfx/FontDescriptor.h"
#include "gfx/GraphicsContext.h"
#include "gfx/MyImage.h"
#include "gfx/PixelFormat.h"
#include "support/OwnerForm.h"
#include "support/ScratchFolder.h"
#include "support/VirtualXServer.h"
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

// Programs the game starts do not inherit its connection.
TEST(ScreenDisplay, TheFirstScreenIsTheDefaultAndClosesOnce)
{
    testsupport::ScratchFolder folder;
    auto screen = std::make_unique<Screen>("title");
    ASSERT_NE(screen->GetDisplay(), nullptr);
    EXPECT_EQ(screen->GetDepth(), 24);
    {
        Screen second("second");
        EXPECT_EQ(Screen::Default(), screen.get());
    }
    EXPECT_EQ(ScreenWidth(), 1280);
    EXPECT_EQ(ScreenHeight(), 1024);
    EXPECT_EQ(fcntl(ConnectionNumber(screen->GetDisplay()), F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
    EXPECT_TRUE(screen->Close());
    EXPECT_FALSE(screen->Close());
    screen.reset();
    EXPECT_EQ(ScreenWidth(), 0);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

// On a 16-bit screen the connection is kept, and the probe reports every difference from the
// usual layout; drawing goes on with what it found.
TEST(ScreenDisplay, AShallowScreenIsReportedAndImagesStillWork)
{
    Application::ResetState();
    testsupport::VirtualXServer shallow(16, 800, 600);
    ASSERT_TRUE(shallow.Started());
    testsupport::ScratchFolder folder;
    const std::string shared = std::getenv("DISPLAY");
    setenv("DISPLAY", shallow.Name().c_str(), 1);
    Screen screen("shallow");
    setenv("DISPLAY", shared.c_str(), 1);
    ASSERT_NE(screen.GetDisplay(), nullptr);
    EXPECT_EQ(screen.GetDepth(), 16);
    EXPECT_EQ(folder.Read("log.txt"), "This app requires 24-bit depth.\n");
    Form form(nullptr);
    form.SetScreen(&screen);
    form.SetSize(100, 100);
    form.Show();
    ASSERT_TRUE(testsupport::WaitViewable(screen.GetDisplay(), form.GetWindow()));

    ProbePixelFormat(&form);
    EXPECT_EQ(CurrentPixelFormat().depth, 16);
    EXPECT_EQ(CurrentPixelFormat().bitsPerPixel, 16);
    ImagePtr image = CreateXImage(&form, RgbBuffer(5, 3));
    ASSERT_TRUE(image);
    const std::string log = folder.Read("log.txt");
    for (const char* line :
         {"WARNING img->depth: 16\n", "WARNING img->bits_per_pixel: 16\n",
          "WARNING MyImage::ixRosso: ",
          "WARNING img width: 5 - bytes_per_line_Pad != bytes_per_line: 12 10\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    GraphicsContext gc(&form);
    gc.PutImage(10, 10, 0, 0, image.get());
    gc.PutImageKeyed(20, 20, 0, 0, image.get(), 0);
    XSync(screen.GetDisplay(), False);
    ForgetPixelFormat();
    EXPECT_TRUE(screen.Close());
}

// A window not yet on screen cannot be read back: the layout then comes from the visual, and
// no X error is caused.
TEST(ScreenDisplay, AWindowNotYetShownIsProbedThroughItsVisual)
{
    Application::ResetState();
    testsupport::ScratchFolder folder;
    Screen screen("tests");
    Form form(nullptr);
    form.SetScreen(&screen);
    form.Show();
    form.Hide();
    XSync(screen.GetDisplay(), False);
    ProbePixelFormat(&form);
    XSync(screen.GetDisplay(), False);
    EXPECT_EQ(CurrentPixelFormat().bitsPerPixel, 32);
    EXPECT_EQ(MyImage::ixRosso * 100 + MyImage::ixVerde * 10 + MyImage::ixBlu, 210);
    EXPECT_FALSE(folder.Exists("log.txt")) << folder.Read("log.txt");
}

// A copy describes the same font but owns no loaded one: each frees only its own. A font
// replaced by SetFamilyAndSize, or by an element's SetFont, is freed on the server.
TEST(ScreenDisplay, FontsBuildXlfdPatternsLoadOnFirstUseAndFreeWhatTheyReplace)
{
    FontDescriptor font;
    EXPECT_EQ(font.GetFontStruct(nullptr), nullptr);
    font.SetBold(true);
    font.SetItalic(true);
    EXPECT_EQ(font.BuildName(), "-*-*-Bold-I-Normal--14-*");
    font.SetFamilyAndSize("adobe-helvetica", 18);  // a new family starts plain
    EXPECT_EQ(font.BuildName(), "-adobe-helvetica-Medium-R-Normal--18-*");
    EXPECT_EQ(FontDescriptor("misc-fixed", 12).BuildName(), "-misc-fixed-Medium-R-Normal--12-*");

    testsupport::ScratchFolder folder;
    Screen screen("title");
    Display* display = screen.GetDisplay();
    FontDescriptor plain;
    XFontStruct* loaded = plain.GetFontStruct(display);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(plain.GetSize(), loaded->ascent);
    EXPECT_EQ(plain.GetFontStruct(display), loaded);
    FontDescriptor copy(plain);
    EXPECT_FALSE(copy.IsLoaded());
    EXPECT_EQ(copy.BuildName(), plain.BuildName());
    EXPECT_NE(copy.GetFontStruct(display), nullptr);
    const Font first = loaded->fid;
    plain.SetFamilyAndSize("misc-fixed", 13);
    EXPECT_FALSE(plain.IsLoaded());
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
TEST(ScreenDisplay, AFontAndAContextOutlivingTheirDisplayGoWithIt)
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
