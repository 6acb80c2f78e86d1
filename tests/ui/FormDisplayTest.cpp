#include <gtest/gtest.h>

#include "ui/Form.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "gfx/Screen.h"
#include "support/RecordingChild.h"
#include "support/RecordingForm.h"
#include "support/ScratchFolder.h"
#include "support/VirtualXServer.h"

namespace tarnbrook {
namespace {

using testsupport::RecordingChild;
using testsupport::RecordingForm;

// Reads window properties through a connection of the test's own.
class PropertyReader {
public:
    PropertyReader() : display_(XOpenDisplay(nullptr)) {}
    ~PropertyReader() { XCloseDisplay(display_); }

    // The raw bytes of a property of 8-bit format, or "<none>".
    std::string Text(Window window, const char* name)
    {
        std::vector<unsigned long> items;
        return Read(window, name, &items) == 8 ? text_ : "<none>";
    }
    std::vector<unsigned long> Items(Window window, const char* name)
    {
        std::vector<unsigned long> items;
        Read(window, name, &items);
        return items;
    }
    Atom AtomNamed(const char* name) { return XInternAtom(display_, name, False); }
    XSizeHints SizeHints(Window window)
    {
        XSizeHints hints{};
        long supplied = 0;
        XGetWMNormalHints(display_, window, &hints, &supplied);
        return hints;
    }
    bool WindowExists(Window window)
    {
        Window root, parent;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        bool found = false;
        for (unsigned int i = 0; i < count; ++i) {
            found = found || children[i] == window;
        }
        if (children) {
            XFree(children);
        }
        return found;
    }
    XWindowAttributes Attributes(Window window)
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        return attributes;
    }

private:
    int Read(Window window, const char* name, std::vector<unsigned long>* items)
    {
        Atom type;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display_, window, AtomNamed(name), 0, 1024, False, AnyPropertyType,
                           &type, &format, &count, &after, &data);
        text_.clear();
        if (data && format == 8) {
            text_.assign(reinterpret_cast<char*>(data), count);
        } else if (data && format == 32) {
            const auto* values = reinterpret_cast<unsigned long*>(data);
            items->assign(values, values + count);
        }
        if (data) {
            XFree(data);
        }
        return format;
    }

    Display* display_;
    std::string text_;
};

class FormDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_NE(screen.GetDisplay(), nullptr);
    }
    // Everything the form asked for has reached the server.
    void Sync() { XSync(screen.GetDisplay(), False); }

    testsupport::ScratchFolder folder;
    Screen screen{"tests"};
    std::vector<std::string> journal;
    PropertyReader reader;
};

TEST_F(FormDisplayTest, TheWindowCarriesItsWindowManagerProperties)
{
    Form form(nullptr);
    form.SetScreen(&screen);
    form.SetCaption("Caption before creation");
    form.SetPosition(30, 40);
    form.SetSize(320, 200);
    form.Show();
    Sync();
    const Window window = form.GetWindow();
    ASSERT_NE(window, None);
    EXPECT_TRUE(form.IsCreated());
    EXPECT_TRUE(form.IsVisible());
    EXPECT_EQ(reader.Text(window, "WM_NAME"), "Caption before creation");
    EXPECT_EQ(reader.Text(window, "WM_ICON_NAME"), "Tarnbrook.exe");
    EXPECT_EQ(reader.Text(window, "WM_CLASS"), std::string("Tarnbrook.exe\0Tarnbrook.exe\0", 28));
    EXPECT_EQ(reader.Items(window, "WM_PROTOCOLS"),
              (std::vector<unsigned long>{reader.AtomNamed("WM_DELETE_WINDOW")}));
    EXPECT_EQ(reader.Items(window, "_NET_WM_WINDOW_TYPE"), std::vector<unsigned long>{});
    const XSizeHints hints = reader.SizeHints(window);
    EXPECT_EQ(hints.flags & (PPosition | PSize | PMinSize | PMaxSize), 60);
    EXPECT_EQ(hints.min_width, 320);
    EXPECT_EQ(hints.max_width, 320);
    EXPECT_EQ(hints.min_height, 200);
    EXPECT_EQ(hints.max_height, 200);
    const std::vector<unsigned long> wmHints = reader.Items(window, "WM_HINTS");
    ASSERT_GE(wmHints.size(), 3u);
    EXPECT_EQ(wmHints[0], 7u);             // input, state and icon pixmap
    EXPECT_EQ(wmHints[2], 1u);             // NormalState
    const XWindowAttributes attributes = reader.Attributes(window);
    EXPECT_EQ(attributes.map_state, IsViewable);
    EXPECT_EQ(attributes.your_event_mask, 0);  // the reader selected nothing itself
    EXPECT_EQ(attributes.all_event_masks, 0xAA07F);
    EXPECT_EQ(attributes.x, 30);
    EXPECT_EQ(attributes.width, 320);
    EXPECT_EQ(attributes.border_width, 1);
    EXPECT_FALSE(folder.Exists("log.txt"));

    // A caption set after creation renames window and icon.
    form.SetCaption("Renamed");
    Sync();
    EXPECT_EQ(reader.Text(window, "WM_NAME"), "Renamed");
    EXPECT_EQ(reader.Text(window, "WM_ICON_NAME"), "Renamed");
    EXPECT_EQ(form.GetTitle(), "Renamed");

    // Only a dialog is marked as one.
    Form dialog(nullptr, true);
    dialog.SetScreen(&screen);
    dialog.Show();
    Sync();
    EXPECT_TRUE(dialog.IsDialog());
    EXPECT_EQ(reader.Items(dialog.GetWindow(), "_NET_WM_WINDOW_TYPE"),
              (std::vector<unsigned long>{reader.AtomNamed("_NET_WM_WINDOW_TYPE_DIALOG")}));
}

TEST_F(FormDisplayTest, ShowWithoutAScreenIsLoggedAndCreatesNothing)
{
    Form form(nullptr);
    form.Show();
    EXPECT_FALSE(form.IsCreated());
    EXPECT_TRUE(form.IsVisible());
    EXPECT_EQ(form.GetWindow(), None);
    EXPECT_EQ(folder.Read("log.txt"), "E' necessario impostare il display\n");
}

std::vector<std::string> loadNotes;

void NoteLoad(GUIElement* element, int64_t value)
{
    auto* form = static_cast<Form*>(element);
    loadNotes.push_back("value=" + std::to_string(value) + " id=" + std::to_string(form->GetId()) +
                        " loading=" + std::to_string(Application::loading) +
                        " created=" + std::to_string(form->IsCreated()));
}

TEST_F(FormDisplayTest, LoadRunsOnceDuringCreationBeforeTheWindowIsShown)
{
    loadNotes.clear();
    Form form(nullptr);
    form.SetScreen(&screen);
    form.SetOnLoad(NoteLoad);
    form.Show();
    const std::string id = std::to_string(form.GetId());
    EXPECT_EQ(loadNotes, (std::vector<std::string>{"value=" + id + " id=" + id +
                                                   " loading=1 created=0"}));
    EXPECT_FALSE(Application::loading);

    // A new window after DestroyWindow keeps the id and does not run OnLoad again.
    const Window first = form.GetWindow();
    form.DestroyWindow();
    EXPECT_FALSE(form.IsCreated());
    EXPECT_EQ(form.GetWindow(), None);
    form.Show();
    Sync();
    EXPECT_NE(form.GetWindow(), first);
    EXPECT_EQ(std::to_string(form.GetId()), id);
    EXPECT_EQ(loadNotes.size(), 1u);
    EXPECT_FALSE(reader.WindowExists(first));
    EXPECT_TRUE(reader.WindowExists(form.GetWindow()));
}

TEST_F(FormDisplayTest, GeometrySetBeforeCreationIsAppliedByItAndLaterAtOnce)
{
    Form form(nullptr);
    form.SetScreen(&screen);
    form.SetPosition(11, 22);
    form.SetSize(200, 100);
    EXPECT_EQ(form.GetClientWidth(), form.GetWidth());
    form.SetClientSize(50, 50, false);
    EXPECT_EQ(form.GetWidth(), 200);  // refused before creation
    form.Show();
    Sync();
    EXPECT_EQ(form.GetPosition().x, 12);  // inside the one-pixel border
    EXPECT_EQ(form.GetPosition().y, 23);
    form.SetPosition(100, 150);
    form.SetSize(300, 120);
    Sync();
    const XWindowAttributes attributes = reader.Attributes(form.GetWindow());
    EXPECT_EQ(attributes.x, 100);
    EXPECT_EQ(attributes.y, 150);
    EXPECT_EQ(attributes.width, 300);
    EXPECT_EQ(form.GetClientWidth(), 300);
    EXPECT_EQ(form.GetClientHeight(), 120);
    form.Hide();
    Sync();
    EXPECT_EQ(reader.Attributes(form.GetWindow()).map_state, IsUnmapped);
    form.ShowMapped();
    Sync();
    EXPECT_EQ(reader.Attributes(form.GetWindow()).map_state, IsViewable);
}

TEST_F(FormDisplayTest, CentresOnItsScreenOrAtTheOriginWhenLarger)
{
    testsupport::VirtualXServer small(24, 1024, 768);
    ASSERT_TRUE(small.Started());
    setenv("DISPLAY", small.Name().c_str(), 1);
    Screen smallScreen("small");
    Form form(nullptr);
    form.SetScreen(&smallScreen);
    form.SetSize(800, 600);
    form.CenterOnScreen();
    EXPECT_EQ(form.GetPosition().x, 112);
    EXPECT_EQ(form.GetPosition().y, 84);
    form.SetSize(1100, 800);
    form.CenterOnScreen();
    EXPECT_EQ(form.GetPosition().x, 0);
    EXPECT_EQ(form.GetPosition().y, 0);

    // Without a screen of its own the form takes the default screen's size (1280 x 1024).
    Form loose(nullptr);
    loose.SetSize(800, 600);
    loose.CenterOnScreen();
    EXPECT_EQ(loose.GetPosition().x, 240);
    EXPECT_EQ(loose.GetPosition().y, 212);
}

TEST_F(FormDisplayTest, PaintsItsDrawableCreatedChildrenInOrder)
{
    RecordingForm form(&journal);
    form.SetScreen(&screen);
    form.Show();
    RecordingChild first(&form, "first", &journal);
    RecordingChild hidden(&form, "plain", &journal);
    RecordingChild uncreated(&form, "uncreated", &journal);
    RecordingChild second(&form, "second", &journal);
    for (RecordingChild* child : {&first, &uncreated, &second}) {
        child->SetDrawable(true);
    }
    first.Create();
    hidden.Create();
    second.Create();
    form.Paint();
    EXPECT_EQ(journal, (std::vector<std::string>{"first.Paint", "second.Paint"}));
}

TEST_F(FormDisplayTest, DestroyingFormsRemovesTheirWindowsAndTheFocus)
{
    auto form = std::make_unique<Form>(nullptr);
    form->SetScreen(&screen);
    form->Show();
    RecordingChild child(form.get(), "child", &journal);
    child.Create();
    Application::focused = &child;
    const Window window = form->GetWindow();
    form.reset();
    Sync();
    EXPECT_FALSE(reader.WindowExists(window));
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_TRUE(Application::forms.empty());

    // DestroyAllForms destroys the windows of created forms only.
    Form shown(nullptr);
    shown.SetScreen(&screen);
    shown.Show();
    Form unshown(nullptr);
    unshown.SetScreen(&screen);
    const Window shownWindow = shown.GetWindow();
    Application::DestroyAllForms();
    Sync();
    EXPECT_FALSE(shown.IsCreated());
    EXPECT_FALSE(reader.WindowExists(shownWindow));
    EXPECT_FALSE(unshown.IsCreated());
}

TEST_F(FormDisplayTest, AProtocolErrorIsLoggedOnceAndTheProgramGoesOn)
{
    Form form(nullptr);
    form.SetScreen(&screen);
    form.Show();
    XMapWindow(screen.GetDisplay(), 0x3ffffff);  // no such window
    Sync();
    const std::string log = folder.Read("log.txt");
    EXPECT_EQ(log.rfind("Errore X: BadWindow", 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    form.SetCaption("still working");
    Sync();
    EXPECT_EQ(reader.Text(form.GetWindow(), "WM_NAME"), "still working");
}

TEST_F(FormDisplayTest, ALostConnectionIsLoggedAndEndsTheProgram)
{
    EXPECT_EXIT(
        {
            Application::InstallXErrorHandlers();
            close(ConnectionNumber(screen.GetDisplay()));
            XSync(screen.GetDisplay(), False);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(folder.Read("log.txt"), "Connessione al display X perduta\n");
}

TEST_F(FormDisplayTest, ManyFormsWithWindowsComeAndGoWithoutTrace)
{
    for (int round = 0; round < 1000; ++round) {
        auto form = std::make_unique<RecordingForm>(&journal);
        form->SetScreen(&screen);
        form->SetCaption("round " + std::to_string(round));
        auto child = std::make_unique<RecordingChild>(form.get(), "child", &journal);
        form->Show();
        child->Create();
        Application::focused = child.get();
        if (round % 2) {
            child.reset();
        }
        form.reset();
        if (round % 100 == 0) {
            Sync();
        }
    }
    Sync();
    EXPECT_TRUE(Application::elements.empty());
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_FALSE(folder.Exists("log.txt"));
}

}  // namespace
}  // namespace tarnbrook
