#include <gtest/gtest.h>

#include <X11/keysym.h>

#include "support/SurfaceTest.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/OptionBox.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Slider.h"
#include "ui/widgets/TextBoxCustom.h"

namespace tarnbrook {
namespace {

int deletions = 0;

void Delete(GUIElement* element)
{
    ++deletions;
    delete element;
}

void DeleteOnMouse(GUIElement* element, int64_t, Point)
{
    Delete(element);
}

bool DeleteOnChar(GUIElement* element, char)
{
    Delete(element);
    return true;
}

void DeleteOnKey(GUIElement* element, KeySym)
{
    Delete(element);
}

template <typename T>
GUIElement* WithCommand(T* element)
{
    element->SetCommand(Delete);
    return element;
}

// An element made with new and what makes one of its callbacks run. Every callback deletes the
// element: once one has, nothing may run another or touch the element (AddressSanitizer
// watches).
struct Deletion {
    const char* name;
    GUIElement* (*make)(Form* form);
    void (*act)(GUIElement* element);
};

GUIElement* Label(Form* form)
{
    return new CellControl(form);
}

GUIElement* Box(Form* form)
{
    return new TextBoxCustom(form, "a");
}

const Deletion kDeletions[] = {
    {"MouseUpBeforeDoubleClick", Label,
     [](GUIElement* element) {
         element->MouseUp(Point{1, 1});
     }},
    {"LostFocusBeforeChange", Label,
     [](GUIElement* element) {
         element->SetText("edited");
         element->LostFocus();
     }},
    {"Close", Label, [](GUIElement* element) { element->Close(); }},
    {"ButtonClick", [](Form* form) { return WithCommand(new ButtonCustom(form, "X")); },
     [](GUIElement* element) {
         element->MouseUp(Point{25, 35});
     }},
    {"ButtonReturn", [](Form* form) { return WithCommand(new ButtonCustom(form, "X")); },
     [](GUIElement* element) { EXPECT_FALSE(element->KeyChar('\r')); }},
    {"CheckBoxClick", [](Form* form) { return WithCommand(new CheckBox(form, "X")); },
     [](GUIElement* element) {
         element->MouseUp(Point{25, 35});
     }},
    {"CheckBoxSpace", [](Form* form) { return WithCommand(new CheckBox(form, "X")); },
     [](GUIElement* element) { EXPECT_TRUE(element->KeyChar(' ')); }},
    {"OptionBoxSpace",
     [](Form* form) {
         auto* box = new OptionBox(form);
         box->AddItem("One", "1");
         return WithCommand(box);
     },
     [](GUIElement* element) { EXPECT_TRUE(element->KeyChar(' ')); }},
    {"TextBoxKeyChar", Box, [](GUIElement* element) { EXPECT_TRUE(element->KeyChar('b')); }},
    {"TextBoxKeyDown", Box, [](GUIElement* element) { element->KeyDown(XK_Left); }},
    {"TextBoxMouseUp", Box,
     [](GUIElement* element) {
         element->MouseUp(Point{25, 35});
     }},
    {"SliderSpace",
     [](Form* form) -> GUIElement* {
         auto* slider = new Slider(form, false, 0, 4);
         slider->SetChangeHandler([](Slider* self, int) { Delete(self); });
         return slider;
     },
     [](GUIElement* element) { EXPECT_TRUE(element->KeyChar(' ')); }},
    {"ScrollBarPress",
     [](Form* form) -> GUIElement* {
         auto* bar = new ScrollBar(form, 0, 200);
         bar->SetScrollHandler([](ScrollBar* self, int64_t) { Delete(self); });
         return bar;
     },
     [](GUIElement* element) {
         element->MouseDown(Point{138, 40});
     }},
};

class ElementDeletionDisplayTest : public testsupport::SurfaceTest,
                                   public ::testing::WithParamInterface<Deletion> {};

// Shown at (20, 30) with the focus, the element is deleted once and forgotten everywhere.
TEST_P(ElementDeletionDisplayTest, ACallbackMayDeleteTheElementThatRanIt)
{
    deletions = 0;
    GUIElement* element = GetParam().make(&surface.Get());
    element->SetPosition(20, 30);
    element->SetSize(122, 30);
    element->Show();
    element->GotFocus();
    Application::focused = element;
    element->SetOnMouseUp(DeleteOnMouse);
    element->SetOnMouseDown(DeleteOnMouse);
    element->SetOnDblClick(DeleteOnMouse);
    element->SetOnKeyChar(DeleteOnChar);
    element->SetOnKeyDown(DeleteOnKey);
    element->SetOnLostFocus(Delete);
    element->SetOnChange(Delete);
    element->SetOnClose(Delete);
    GetParam().act(element);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(Application::focused, nullptr);
    EXPECT_TRUE(Application::GetChildren(surface.Get().GetId()).empty());
}

INSTANTIATE_TEST_SUITE_P(Elements, ElementDeletionDisplayTest, ::testing::ValuesIn(kDeletions),
                         [](const ::testing::TestParamInfo<Deletion>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tarnbrook
