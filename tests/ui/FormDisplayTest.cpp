#include <gtest/gtest.h>

#include "ui/Form.h"

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Application.h"
#include "gfx/Screen.h"
#include "gfx/XImageFactory.h"
#include "support/EventPump.h"
#include "support/ScratchFolder.h"
#include "support/WidgetPixels.h"
#include "support/WindowState.h"

namespace tarnbrook {
namespace {

class FormDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_NE(screen.GetDisplay(), nullptr);
    }
    void Sync() { XSync(screen.GetDisplay(), False); }
    void Show(Form& form)
    {
        form.SetScreen(&screen);
        form.Show();
        Sync();
    }
    Atom AtomNamed(const char* name) { return XInternAtom(screen.GetDisplay(), name, False); }
    // Read on the form's own connection, after every request made before.
    std::string Property(Window window, const char* name, size_t length = std::string::npos)
    {
        return testsupport::Property(screen.GetDisplay(), window, name, length);
    }
    XWindowAttributes Attributes(Window window)
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(screen.GetDisplay(), window, &attributes);
        return attributes;
    }

    testsupport::ScratchFolder folder;
    Screen screen{"tests"};
};

// The window manager's hints and protocols, a dialog's window type; a protocol error is logged
// once and the program goes on; reading back a window not viewable fails quietly, logging nothing.
TEST_F(FormDisplayTest, WindowManagerPropertiesAProtocolErrorAndALostConnection)
{
    Form form(nullptr, true);
    form.SetCaption("Caption before creation");
    form.SetPosition(30, 40);
    form.SetSize(320, 200);
    Show(form);
    const Window window = form.GetWindow();
    EXPECT_EQ(Property(window, "WM_NAME"), "Caption before creation");
    form.SetCaption("Renamed");  // both names follow
    EXPECT_EQ(Property(window, "WM_NAME") + "," + Property(window, "WM_ICON_NAME"),
              "Renamed,Renamed");
    EXPECT_EQ(Property(window, "WM_PROTOCOLS"), std::to_string(AtomNamed("WM_DELETE_WINDOW")));
    // Position, size, minimum and maximum hinted, the limits equal to the size.
    EXPECT_EQ(Property(window, "WM_NORMAL_HINTS", 32), "60 30 40 320 200 320 200 320 200");
    // Input, state and icon pixmap hinted; input wanted; the normal state; no icon yet.
    EXPECT_EQ(Property(window, "WM_HINTS", 8), "7 1 1 0 ");
    // The class the desktop file's StartupWMClass names, and the process that owns the window.
    EXPECT_EQ(Property(window, "WM_CLASS"), std::string("Tarnbrook.exe\0Tarnbrook.exe\0", 28));
    EXPECT_EQ(Property(window, "_NET_WM_PID"), std::to_string(getpid()));
    EXPECT_EQ(Property(window, "_NET_WM_WINDOW_TYPE"),
              std::to_string(AtomNamed("_NET_WM_WINDOW_TYPE_DIALOG")));
    Display* display = screen.GetDisplay();
    XMapWindow(display, 0x3ffffff);
    const Window unmapped =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 4, 4, 0, 0, 0);
    EXPECT_EQ(ReadImage(display, unmapped, 0, 0, 1, 1), nullptr);
    XDestroyWindow(display, unmapped);
    Sync();
    const std::string log = folder.Read("log.txt");
    EXPECT_EQ(log.rfind("Errore X: BadWindow", 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    form.SetIcon(0x1234);
    EXPECT_EQ(Property(window, "WM_HINTS", 11), "7 1 1 4660 ");

    // A lost connection is logged and ends the program.
    EXPECT_EXIT(
        {
            Application::InstallXErrorHandlers();
            close(ConnectionNumber(display));
            XSync(display, False);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(folder.Read("log.txt"), log + "Connessione al display X perduta\n");
}

std::vector<std::string> loadNotes;

// A form that goes by another kind, which the form's own unregistering does not recognise.
struct Renamed : Form {
    Renamed() : Form(nullptr) { kind = "renamed"; }
};

// OnLoad runs once while loading; a new window keeps the id; DestroyAllForms takes created forms.
TEST_F(FormDisplayTest, LoadRunsOnceDuringCreationAndANewWindowKeepsTheId)
{
    loadNotes.clear();
    Form form(nullptr);
    form.SetOnLoad([](GUIElement* element, int64_t value) {
        loadNotes.push_back(std::to_string(value) + " id " + std::to_string(element->GetId()) +
                            " loading " + std::to_string(Application::loading) + " created " +
                            std::to_string(element->IsCreated()));
    });
    Show(form);
    const std::string id = std::to_string(form.GetId());
    EXPECT_EQ(loadNotes, std::vector<std::string>{id + " id " + id + " loading 1 created 0"});
    EXPECT_FALSE(Application::loading);
    const int windows = testsupport::CountTopLevelWindows(screen.GetDisplay());
    Application::focused = &form;
    form.DestroyWindow();
    EXPECT_TRUE(form.GetWindow() == None && Application::focused == nullptr);
    Show(form);
    EXPECT_EQ(std::to_string(form.GetId()), id);
    EXPECT_EQ(loadNotes.size(), 1u);
    EXPECT_EQ(testsupport::CountTopLevelWindows(screen.GetDisplay()), windows);  // the old one went
    Application::DestroyAllForms();
    Sync();
    EXPECT_FALSE(form.IsCreated());
    EXPECT_EQ(testsupport::CountTopLevelWindows(screen.GetDisplay()), windows - 1);
    {
        Renamed renamed;  // unregistered as an element only, then forgotten as a form too
    }
    EXPECT_EQ(Application::FindFormByWindow(0x12345), nullptr);  // AddressSanitizer watches
}

// Without a screen nothing is created; geometry set before creation is applied by it, later at
// once; flag B goes on and off; Raise puts the window on top; centring.
TEST_F(FormDisplayTest, GeometrySetBeforeCreationIsAppliedByItAndLaterAtOnceAndCentring)
{
    Form form(nullptr);
    form.SetPosition(11, 22);
    form.SetSize(200, 100);
    form.SetClientSize(50, 50, false);  // refused before creation
    EXPECT_EQ(form.GetWidth(), 200);
    form.Show();
    EXPECT_TRUE(!form.IsCreated() && form.GetWindow() == None);
    EXPECT_EQ(folder.Read("log.txt"), "E' necessario impostare il display\n");
    form.SetScreen(&screen);
    form.Reopen();
    EXPECT_TRUE(form.IsCreated() && form.IsVisible());
    Show(form);
    EXPECT_EQ(testsupport::XY(form.GetPosition()), "12,23");
    form.SetPosition(100, 150);
    form.SetClientSize(300, 120, false);
    const XWindowAttributes attributes = Attributes(form.GetWindow());
    EXPECT_EQ(testsupport::XY(Point{attributes.x, attributes.y}), "100,150");
    EXPECT_EQ(attributes.width, 300);
    EXPECT_EQ(testsupport::XY(Point{form.GetClientWidth(), form.GetClientHeight()}), "300,120");
    XResizeWindow(screen.GetDisplay(), form.GetWindow(), 310, 130);  // as a window manager may
    testsupport::DispatchPending(&form);
    EXPECT_EQ(testsupport::XY(form.GetSize()), "310,130");
    form.SetFlagBOn();
    const bool flagOn = form.IsFlagB();
    form.SetFlagBOff();
    EXPECT_TRUE(flagOn && !form.IsFlagB());
    form.Hide();
    EXPECT_EQ(Attributes(form.GetWindow()).map_state, IsUnmapped);
    form.ShowMapped();
    EXPECT_EQ(Attributes(form.GetWindow()).map_state, IsViewable);
    Form upper(nullptr);
    Show(upper);
    EXPECT_TRUE(upper.QueryClose());  // asked to close, a form without a question agrees
    form.Raise();
    EXPECT_EQ(testsupport::TopLevelWindows(screen.GetDisplay()).back(), form.GetWindow());

    // Centred on the 1280 x 1024 screen, at 0 on an axis where larger; without a screen, on the
    // default one.
    Form centred(nullptr);
    centred.SetScreen(&screen);
    Form loose(nullptr);
    for (Form* centring : {&centred, &loose}) {
        centring->SetSize(800, 600);
        centring->CenterOnScreen();
        EXPECT_EQ(testsupport::XY(centring->GetPosition()), "240,212");
    }
    centred.SetSize(1300, 800);
    centred.CenterOnScreen();
    EXPECT_EQ(testsupport::XY(centred.GetPosition()), "0,112");
}

}  // namespace
}  // namespace tarnbrook
