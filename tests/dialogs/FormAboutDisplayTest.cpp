#include <gtest/gtest.h>

#include "dialogs/FormAbout.h"

#include <X11/keysym.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/ProductInfo.h"
#include "gfx/XImageFactory.h"
#include "support/ChildProcesses.h"
#include "support/DialogTest.h"
#include "support/FakeCommands.h"
#include "support/ReferencePaint.h"
#include "support/WaitFor.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {
namespace {

using Lines = std::vector<std::string>;

constexpr int kPictureWidth = 40;
constexpr int kPictureHeight = 50;

class FormAboutDisplayTest : public testsupport::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        std::vector<unsigned char> red(kPictureWidth * kPictureHeight * 3, 0);
        for (size_t i = 0; i < red.size(); i += 3) {
            red[i] = 0xFF;
        }
        picture = CreateXImage(&owner, red.data(), kPictureWidth, kPictureHeight);
        ASSERT_TRUE(picture);
    }

    std::unique_ptr<FormAbout> MakeAbout(const std::string& webAddress = kWebAddress)
    {
        auto about = std::make_unique<FormAbout>(&owner);
        about->SetPicture(picture.get(), kPictureWidth, kPictureHeight);
        about->SetProductLine(std::string(kProductName) + " 1.0");
        about->SetOwnershipLine(kOwnershipNotice);
        about->SetNoticeText(kNoticeText);
        about->SetWebAddress(webAddress);
        about->SetScreen(&owner.GetOwnScreen());
        return about;
    }
    std::unique_ptr<FormAbout> OpenAbout(const std::string& webAddress = kWebAddress)
    {
        std::unique_ptr<FormAbout> about = MakeAbout(webAddress);
        about->Show();
        EXPECT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), about->GetWindow()));
        Pump();
        return about;
    }

    // Makes the fake program write its argument count and then each argument on a line of its
    // own, once the file "go" exists (so a caller that waited would hang).
    void FakeProgramWaitingForGo(const std::string& name)
    {
        // clang-format off
        folder.Write("fake-bin/" + name,
                     "#!/bin/sh\nwhile [ ! -e '" + folder.Path() + "/go' ]; do sleep 0.02; done\n"
                     "printf '%s\\n' \"$#\" \"$@\" >> '" + folder.Path() + "/args.txt'\n");
        // clang-format on
        chmod((folder.Path() + "/fake-bin/" + name).c_str(), 0755);
    }
    Lines Arguments()
    {
        Lines lines;
        const std::string all = folder.Read("args.txt");
        for (size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(all.substr(start, end - start));
        }
        return lines;
    }
    bool ArgumentLines(size_t count)
    {
        return testsupport::WaitFor([&] { return Arguments().size() == count; });
    }

    testsupport::FakeCommands commands{folder.Path()};
    ImagePtr picture;
};

// Centred on its owner, which it disables; the picture in the sunken panel at (10, 23), the
// product line in white.
TEST_F(FormAboutDisplayTest, TheBoxShowsItsPictureAndTextsCentredOnItsOwner)
{
    std::unique_ptr<FormAbout> about = OpenAbout();
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), about.get());
    EXPECT_EQ(about->GetCaption(), "Info...");
    const Point ownerAt = owner.GetPosition();
    EXPECT_EQ(At(about->GetPosition()),
              At(Point{ownerAt.x + (400 - 600) / 2 + 1, ownerAt.y + (300 - 210) / 2 + 1}));
    EXPECT_EQ(about->GetMailCell()->GetText(), "info@tarnbrook.test");

    const testsupport::Area shot =
        testsupport::ReadArea(owner.GetDisplay(), about->GetWindow(), 0, 0, 600, 210);
    const auto pixel = [&](int x, int y) { return shot.pixels[static_cast<size_t>(y * 600 + x)]; };
    EXPECT_EQ(pixel(15, 28), 0xFF0000);
    EXPECT_EQ(pixel(15 + kPictureWidth - 1, 28 + kPictureHeight - 1), 0xFF0000);
    EXPECT_EQ(pixel(10, 23), 0);  // the sunken frame's dark corner
    const testsupport::Area productLine = shot.Crop(kPictureWidth + 45, 17, 500, 25);
    EXPECT_GT(std::count(productLine.pixels.begin(), productLine.pixels.end(), 0xFFFFFF), 20);

    // Each link is drawn whole inside its cell: its ink reaches past where the text without
    // its last character would end.
    XFontStruct* font = owner.GetFont().GetFontStruct(owner.GetDisplay());
    for (CellControl* link : {about->GetWebCell(), about->GetMailCell()}) {
        const std::string text = link->GetText();
        const Point at = link->GetPosition();
        const testsupport::Area cell = shot.Crop(at.x, at.y, link->GetWidth(), link->GetHeight());
        int inkRight = -1;
        for (int i = 0; i < static_cast<int>(cell.pixels.size()); ++i) {
            if (cell.pixels[static_cast<size_t>(i)] == 0x0000FF) {
                inkRight = std::max(inkRight, i % cell.width);
            }
        }
        EXPECT_GE(inkRight, XTextWidth(font, text.data(), static_cast<int>(text.size()) - 1))
            << text;
    }
}

// Escape, Return and Delete close it, other keys do not; so do OK, the window manager and
// deletion, shown or not; each gives the owner back and reports no result.
TEST_F(FormAboutDisplayTest, KeysOkTheWindowManagerOrDeletionCloseItAndEnableTheOwner)
{
    for (KeySym key : {XK_Escape, XK_Return, XK_Delete}) {
        std::unique_ptr<FormAbout> about = OpenAbout();
        Type(about.get(), {XK_a, key});
        EXPECT_FALSE(about->IsCreated()) << key;
        EXPECT_TRUE(owner.IsEnabled()) << key;
        EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    }
    std::unique_ptr<FormAbout> about = OpenAbout();
    ClickMiddle(about.get(), about->GetOkButton());
    EXPECT_FALSE(about->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());

    about = OpenAbout();
    input.SendDeleteWindow(about->GetWindow());
    Pump();
    EXPECT_FALSE(about->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());
    for (bool shown : {true, false}) {
        about = shown ? OpenAbout() : MakeAbout();
        about.reset();
        EXPECT_TRUE(owner.IsEnabled());
    }
    EXPECT_TRUE(owner.Results().empty());
}

// The loop goes on while both browsers wait; each gets the address; the mail cell starts the
// mail program; no child is left to reap and no copy of the game waits with the programs.
TEST_F(FormAboutDisplayTest, LinkCellsStartTheirProgramsWithoutWaitingAndLeaveNoZombie)
{
    FakeProgramWaitingForGo("firefox");
    std::unique_ptr<FormAbout> about = OpenAbout();
    ClickMiddle(about.get(), about->GetWebCell());
    ClickMiddle(about.get(), about->GetWebCell());
    ClickMiddle(about.get(), about->GetMailCell());
    Type(about.get(), {XK_Escape});
    EXPECT_FALSE(about->IsCreated());
    EXPECT_TRUE(Arguments().empty());
    EXPECT_EQ(testsupport::CopiesOfThisProgram(), std::vector<pid_t>{});

    folder.Write("go", "");
    ASSERT_TRUE(ArgumentLines(4));
    EXPECT_EQ(Arguments(), (Lines{"1", kWebAddress, "1", kWebAddress}));
    ASSERT_TRUE(testsupport::WaitFor([this] { return !commands.Calls().empty(); }));
    EXPECT_EQ(commands.Calls(), Lines{"thunderbird -compose to=info@tarnbrook.test"});
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(FormAboutDisplayTest, LinksPassTheAddressAsOneArgumentWhateverItHolds)
{
    const std::string address = "https://www.odd.example/a b'c\";$(touch pwned)`touch pwned`";
    FakeProgramWaitingForGo("firefox");
    FakeProgramWaitingForGo("thunderbird");
    folder.Write("go", "");
    std::unique_ptr<FormAbout> about = OpenAbout(address);
    const std::string mail = "info@odd.example/a b'c\";$(touch pwned)`touch pwned`";
    EXPECT_EQ(about->GetMailCell()->GetText(), mail);
    about->ElementClicked(about->GetWebCell());
    ASSERT_TRUE(ArgumentLines(2));
    about->ElementClicked(about->GetMailCell());
    ASSERT_TRUE(ArgumentLines(5));
    EXPECT_EQ(Arguments(), (Lines{"1", address, "2", "-compose", "to=" + mail}));
    EXPECT_FALSE(folder.Exists("pwned"));

    about = OpenAbout("https://www.");  // nothing after it: no mail address, no mail program
    EXPECT_EQ(about->GetMailCell()->GetText(), "");
    about->ElementClicked(about->GetMailCell());
    about->ElementClicked(about->GetOkButton());  // not a link
    EXPECT_EQ(Arguments().size(), 5u);
}

// Closed by Escape, by the window manager, or deleted while open as when the owner opens the
// next one.
TEST_F(FormAboutDisplayTest, AThousandBoxesLeaveNoWindowsOrElementsBehind)
{
    const Census before = Count();
    for (int i = 0; i < 1000; ++i) {
        std::unique_ptr<FormAbout> about = MakeAbout();
        about->Show();
        if (i % 3 == 0) {
            about->HandleKeyChar(27);
        } else if (i % 3 == 1) {
            input.SendDeleteWindow(about->GetWindow());
            Pump();
        }
    }
    Pump();
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
}

}  // namespace
}  // namespace tarnbrook
