#include <gtest/gtest.h>

#include "dialogs/FormAbout.h"

#include <X11/keysym.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/ProductInfo.h"
#include "gfx/XImageFactory.h"
#include "support/EventPump.h"
#include "support/FakeCommands.h"
#include "support/InputDriver.h"
#include "support/OwnerForm.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {
namespace {

constexpr int kPictureWidth = 40;
constexpr int kPictureHeight = 50;
constexpr int kPictureColor = 0xFF0000;

std::string At(Point point)
{
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

class FormAboutDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_TRUE(input.Connected());
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
        return about;
    }

    std::unique_ptr<FormAbout> OpenAbout(const std::string& webAddress = kWebAddress)
    {
        std::unique_ptr<FormAbout> about = MakeAbout(webAddress);
        about->SetScreen(&owner.GetOwnScreen());
        about->Show();
        EXPECT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), about->GetWindow()));
        Pump();
        return about;
    }

    void ClickMiddle(Form* form, GUIElement* element)
    {
        const Point at = element->GetPosition();
        input.Click(form->GetWindow(), at.x + element->GetWidth() / 2,
                    at.y + element->GetHeight() / 2);
        Pump();
    }

    // Replaces a fake program by one that writes its argument count and then each argument on
    // a line of its own, once the file "go" exists (so a caller that waited would hang).
    void FakeProgramWaitingForGo(const std::string& name)
    {
        const std::string script = folder.Path() + "/fake-bin/" + name;
        folder.Write("fake-bin/" + name,
                     "#!/bin/sh\nwhile [ ! -e '" + folder.Path() + "/go' ]; do sleep 0.02; done\n"
                     "printf '%s\\n' \"$#\" \"$@\" >> '" + folder.Path() + "/args.txt'\n");
        chmod(script.c_str(), 0755);
    }

    std::vector<std::string> RecordedArguments()
    {
        std::vector<std::string> lines;
        std::string all = folder.Read("args.txt");
        for (size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(all.substr(start, end - start));
        }
        return lines;
    }

    void Pump() { testsupport::DispatchPending(&owner); }

    testsupport::ScratchFolder folder;
    testsupport::FakeCommands commands{folder.Path()};
    testsupport::OwnerForm owner;
    testsupport::InputDriver input;
    ImagePtr picture;
};

TEST_F(FormAboutDisplayTest, ConstructionDisablesTheOwnerAndShowBuildsTheBox)
{
    std::unique_ptr<FormAbout> about = MakeAbout();
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_EQ(owner.GetActiveDialog(), about.get());
    EXPECT_FALSE(about->IsCreated());
    EXPECT_EQ(about->GetCaption(), "Info...");

    about->SetScreen(&owner.GetOwnScreen());
    about->Show();
    ASSERT_TRUE(testsupport::WaitViewable(owner.GetDisplay(), about->GetWindow()));
    Pump();
    EXPECT_TRUE(about->IsDialog());
    const Point ownerAt = owner.GetPosition();
    EXPECT_EQ(At(about->GetPosition()),
              At(Point{ownerAt.x + (400 - 600) / 2 + 1, ownerAt.y + (300 - 210) / 2 + 1}));
    EXPECT_EQ(about->GetMailCell()->GetText(), "info@tarnbrook.example");
    EXPECT_EQ(about->GetWebCell()->GetText(), "https://www.tarnbrook.example");
    EXPECT_EQ(At(about->GetWebCell()->GetPosition()), At(Point{kPictureWidth + 45, 68}));
    EXPECT_EQ(At(about->GetMailCell()->GetPosition()), At(Point{kPictureWidth + 255, 68}));
    const int textWidth = 600 - (kPictureWidth + 45) - 10;
    EXPECT_EQ(At(about->GetOkButton()->GetPosition()),
              At(Point{kPictureWidth + 45 + textWidth / 2 - 40, 210 - 37}));

    // The picture inside the framed panel at (10, 23), and the product line in white.
    XImage* shot = XGetImage(owner.GetDisplay(), about->GetWindow(), 0, 0, 600, 210, AllPlanes,
                             ZPixmap);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(XGetPixel(shot, 15, 28) & 0xFFFFFF, static_cast<unsigned long>(kPictureColor));
    EXPECT_EQ(XGetPixel(shot, 15 + kPictureWidth - 1, 28 + kPictureHeight - 1) & 0xFFFFFF,
              static_cast<unsigned long>(kPictureColor));
    EXPECT_EQ(XGetPixel(shot, 10, 23) & 0xFFFFFF, 0u);  // the sunken frame's dark corner
    int white = 0;
    for (int y = 17; y < 42; ++y) {
        for (int x = kPictureWidth + 45; x < 590; ++x) {
            white += (XGetPixel(shot, x, y) & 0xFFFFFF) == 0xFFFFFF ? 1 : 0;
        }
    }
    EXPECT_GT(white, 20);
    XDestroyImage(shot);
}

TEST_F(FormAboutDisplayTest, EscapeReturnAndDeleteCloseItAndEnableTheOwner)
{
    for (KeySym key : {XK_Escape, XK_Return, XK_Delete}) {
        std::unique_ptr<FormAbout> about = OpenAbout();
        input.MoveTo(about->GetWindow(), 5, 5);
        input.TypeKey(key);
        Pump();
        EXPECT_FALSE(about->IsCreated()) << key;
        EXPECT_TRUE(owner.IsEnabled()) << key;
        EXPECT_EQ(owner.GetActiveDialog(), nullptr);
    }
    std::unique_ptr<FormAbout> about = OpenAbout();
    input.MoveTo(about->GetWindow(), 5, 5);
    input.TypeKey(XK_a);
    Pump();
    EXPECT_TRUE(about->IsCreated());
    EXPECT_TRUE(owner.Results().empty());
}

TEST_F(FormAboutDisplayTest, OkTheWindowManagerOrDeletionCloseItAndEnableTheOwner)
{
    std::unique_ptr<FormAbout> about = OpenAbout();
    ClickMiddle(about.get(), about->GetOkButton());
    EXPECT_FALSE(about->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());

    about = OpenAbout();
    EXPECT_FALSE(owner.IsEnabled());
    input.SendDeleteWindow(about->GetWindow());
    Pump();
    EXPECT_FALSE(about->IsCreated());
    EXPECT_TRUE(owner.IsEnabled());

    about = OpenAbout();
    about.reset();
    EXPECT_TRUE(owner.IsEnabled());
    about = MakeAbout();  // never shown
    about.reset();
    EXPECT_TRUE(owner.IsEnabled());
}

TEST_F(FormAboutDisplayTest, WebCellStartsTheBrowserWithoutWaitingAndLeavesNoZombie)
{
    FakeProgramWaitingForGo("firefox");
    std::unique_ptr<FormAbout> about = OpenAbout();
    ClickMiddle(about.get(), about->GetWebCell());
    ClickMiddle(about.get(), about->GetWebCell());
    // Still here while both browsers wait: the loop goes on.
    input.MoveTo(about->GetWindow(), 5, 5);
    input.TypeKey(XK_Escape);
    Pump();
    EXPECT_FALSE(about->IsCreated());
    EXPECT_TRUE(RecordedArguments().empty());

    folder.Write("go", "");
    ASSERT_TRUE(testsupport::WaitFor([this] { return RecordedArguments().size() == 4; }));
    EXPECT_EQ(RecordedArguments(),
              (std::vector<std::string>{"1", kWebAddress, "1", kWebAddress}));
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);  // no child of ours is left to reap
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
    ASSERT_TRUE(testsupport::WaitFor([this] { return RecordedArguments().size() == 2; }));
    about->ElementClicked(about->GetMailCell());
    ASSERT_TRUE(testsupport::WaitFor([this] { return RecordedArguments().size() == 5; }));
    EXPECT_EQ(RecordedArguments(),
              (std::vector<std::string>{"1", address, "2", "-compose", "to=" + mail}));
    EXPECT_FALSE(folder.Exists("pwned"));
}

TEST_F(FormAboutDisplayTest, MailCellStartsTheMailProgramAndAShortAddressMakesNoMailAddress)
{
    std::unique_ptr<FormAbout> about = OpenAbout();
    ClickMiddle(about.get(), about->GetMailCell());
    ASSERT_TRUE(testsupport::WaitFor([this] { return commands.Calls().size() == 1; }));
    EXPECT_EQ(commands.Calls()[0], "thunderbird -compose to=info@tarnbrook.example");
    about.reset();

    about = OpenAbout("https://www.");
    EXPECT_EQ(about->GetMailCell()->GetText(), "");
    about->ElementClicked(about->GetMailCell());
    about->ElementClicked(about->GetOkButton());  // not a link
    EXPECT_EQ(commands.Calls().size(), 1u);
}

TEST_F(FormAboutDisplayTest, AThousandBoxesLeaveNoWindowsOrElementsBehind)
{
    const int windows = testsupport::CountTopLevelWindows(owner.GetDisplay());
    const size_t elements = Application::elements.size();
    for (int i = 0; i < 1000; ++i) {
        std::unique_ptr<FormAbout> about = MakeAbout();
        about->SetScreen(&owner.GetOwnScreen());
        about->Show();
        switch (i % 3) {
        case 0:
            about->HandleKeyChar(27);
            break;
        case 1:
            input.SendDeleteWindow(about->GetWindow());
            Pump();
            break;
        default:  // deleted while open, as the owner does when it opens the next one
            break;
        }
    }
    Pump();
    EXPECT_EQ(testsupport::CountTopLevelWindows(owner.GetDisplay()), windows);
    EXPECT_EQ(Application::elements.size(), elements);
    EXPECT_EQ(owner.GetActiveDialog(), nullptr);
}

}  // namespace
}  // namespace tarnbrook
