#include <gtest/gtest.h>

#include "gfx/PixelFormat.h"

#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "gfx/GraphicsContext.h"
#include "gfx/MyImage.h"
#include "gfx/Screen.h"
#include "support/OwnerForm.h"
#include "support/ScratchFolder.h"
#include "support/VirtualXServer.h"
#include "ui/Form.h"

namespace tarnbrook {
namespace {

// On a 16-bit screen the probe reports every difference from the usual layout and drawing
// goes on with what it found.
TEST(PixelFormatDisplay, AShallowScreenIsReportedAndImagesStillWork)
{
    Application::ResetState();
    testsupport::VirtualXServer shallow(16, 800, 600);
    ASSERT_TRUE(shallow.Started());
    const std::string shared = std::getenv("DISPLAY");
    setenv("DISPLAY", shallow.Name().c_str(), 1);
    testsupport::ScratchFolder folder;
    Screen screen("shallow");
    setenv("DISPLAY", shared.c_str(), 1);
    ASSERT_NE(screen.GetDisplay(), nullptr);
    Form form(nullptr);
    form.SetScreen(&screen);
    form.SetSize(100, 100);
    form.Show();
    ASSERT_TRUE(testsupport::WaitViewable(screen.GetDisplay(), form.GetWindow()));
    const std::string before = folder.Read("log.txt");

    ProbePixelFormat(&form);
    EXPECT_EQ(CurrentPixelFormat().depth, 16);
    EXPECT_EQ(CurrentPixelFormat().bitsPerPixel, 16);
    const std::string log = folder.Read("log.txt").substr(before.size());
    EXPECT_NE(log.find("WARNING img->depth: 16\n"), std::string::npos) << log;
    EXPECT_NE(log.find("WARNING img->bits_per_pixel: 16\n"), std::string::npos) << log;
    EXPECT_NE(log.find("WARNING MyImage::ixRosso: "), std::string::npos) << log;

    ImagePtr image = CreateXImage(&form, RgbBuffer(5, 3));
    ASSERT_TRUE(image);
    EXPECT_NE(folder.Read("log.txt").find(
                  "WARNING img width: 5 - bytes_per_line_Pad != bytes_per_line: 12 10\n"),
              std::string::npos);
    GraphicsContext gc(&form);
    gc.PutImage(10, 10, 0, 0, image.get());
    gc.PutImageKeyed(20, 20, 0, 0, image.get(), 0);
    XSync(screen.GetDisplay(), False);
    ForgetPixelFormat();
}

// A window not yet on screen cannot be read back: the layout then comes from the visual, and
// no X error is caused.
TEST(PixelFormatDisplay, AWindowNotYetShownIsProbedThroughItsVisual)
{
    Application::ResetState();
    testsupport::ScratchFolder folder;
    Screen screen("tests");
    ASSERT_NE(screen.GetDisplay(), nullptr);
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

}  // namespace
}  // namespace tarnbrook
