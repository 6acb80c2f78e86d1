#include <gtest/gtest.h>

#include "ui/widgets/TextBoxCustom.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "support/BeepCounter.h"
#include "support/LoopTest.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"

namespace tarnbrook {
namespace {

using testsupport::Journal;

constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0x000000;
constexpr int kCaret = 0xFFFF00;
constexpr int kFormColor = 0x5080B0;

Journal* textsInUse = nullptr;

// Boxes painted on a shown form, driven by direct calls; pixels read back from the window.
class TextBoxPaintTest : public testsupport::SurfaceTest {
protected:
    TextBoxPaintTest() : SurfaceTest(300, 240, kFormColor) {}

    std::unique_ptr<TextBoxCustom> Box(const std::string& text, int x, int y, int w, int h)
    {
        auto box = std::make_unique<TextBoxCustom>(&surface.Get(), text);
        box->SetPosition(x, y);
        box->SetSize(w, h);
        box->Show();
        return box;
    }
    XFontStruct* ProgramFont()
    {
        return surface.Get().GetFont().GetFontStruct(surface.GetDisplay());
    }

    testsupport::ScratchFolder folder;
    testsupport::BeepCounter beeps{folder.Path()};
};

TEST_F(TextBoxPaintTest, FrameCellsAndCaretLieAtTheirPixels)
{
    auto box = Box("Mi  ", 20, 30, 120, 30);
    EXPECT_EQ(box->GetText(), "Mi");
    EXPECT_EQ(box->GetCellWidth(), XTextWidth(ProgramFont(), "M", 1) + 2);
    EXPECT_EQ(box->GetLineHeight(), ProgramFont()->ascent + 5);
    const int cell = box->GetCellWidth();
    const int line = box->GetLineHeight();
    // Light outer ring above and left, dark inner ring: the field looks sunken.
    EXPECT_EQ(surface.Pixel(60, 30), kWhite);
    EXPECT_EQ(surface.Pixel(139, 45), kBlack);
    EXPECT_EQ(surface.Pixel(21, 45), kBlack);
    EXPECT_EQ(surface.Pixel(60, 58), kWhite);
    EXPECT_EQ(surface.Pixel(140, 45), kFormColor);
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());

    box->SetFocus();
    EXPECT_EQ(Application::focused, box.get());
    const testsupport::InkBox caret = surface.FindColor(20, 30, 120, 30, kCaret);
    EXPECT_EQ(caret.left, 23 + 2 * cell);  // the cell after "Mi"
    EXPECT_EQ(caret.top, 33);
    EXPECT_EQ(caret.count, (cell - 1) * line);
    const testsupport::InkBox letterM = surface.FindColor(23, 33, cell, line, kBlack);
    EXPECT_FALSE(letterM.Empty());
    EXPECT_LE(letterM.bottom, 33 + line - 1);
    EXPECT_FALSE(surface.FindColor(23 + cell, 33, cell, line, kBlack).Empty());
    EXPECT_EQ(surface.CountOther(23 + 3 * cell, 33, 8 * cell, line, kWhite), 0);

    box->LostFocus();
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());
}

TEST_F(TextBoxPaintTest, DisabledOrReadOnlyBoxesShowNoCaret)
{
    auto disabled = Box("ab", 20, 30, 120, 30);
    const int cell = disabled->GetCellWidth();
    disabled->SetFocus();
    disabled->Enable(false);
    EXPECT_EQ(surface.Pixel(25 + 4 * cell, 40), 0xAAAAAA);
    EXPECT_FALSE(surface.FindColor(23, 33, cell, disabled->GetLineHeight(), 0x9B9B9B).Empty());
    EXPECT_TRUE(surface.FindColor(22, 32, 116, 26, kBlack).Empty());
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());
    EXPECT_FALSE(disabled->KeyChar('x'));

    auto readOnly = Box("ab", 20, 80, 120, 30);
    readOnly->SetReadOnly(true);
    readOnly->SetFocus();
    EXPECT_TRUE(surface.FindColor(20, 80, 120, 30, kCaret).Empty());
    EXPECT_FALSE(readOnly->KeyChar('x'));
    readOnly->KeyDown(XK_Left);
    EXPECT_EQ(readOnly->GetCaret(), 1);
    EXPECT_EQ(readOnly->GetText(), "ab");
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(TextBoxPaintTest, PasswordStarsAndAlignmentInsideTheCells)
{
    auto secret = Box("ab c", 20, 20, 120, 30);
    secret->SetPassword(true);
    auto stars = Box("** *", 20, 60, 120, 30);
    const int cell = secret->GetCellWidth();
    const int line = secret->GetLineHeight();
    EXPECT_EQ(surface.Area(23, 23, 5 * cell, line), surface.Area(23, 63, 5 * cell, line));
    EXPECT_EQ(secret->GetText(), "ab c");

    auto left = Box("i", 20, 100, 60, 30);
    auto right = Box("i", 20, 140, 60, 30);
    right->SetAlignRight(true);
    auto centre = Box("i", 20, 180, 60, 30);
    centre->SetAlignCenter(true);
    const int inkLeft = surface.FindColor(23, 103, cell, line, kBlack).left - 23;
    const int glyph = XTextWidth(ProgramFont(), "i", 1);
    EXPECT_EQ(surface.FindColor(23, 143, cell, line, kBlack).left - 23, inkLeft + cell - glyph);
    EXPECT_EQ(surface.FindColor(23, 183, cell, line, kBlack).left - 23, inkLeft + (cell - glyph) / 2);
    centre->SetMultiLine(true);  // multi-line text always sits left
    EXPECT_EQ(surface.FindColor(23, 183, cell, line, kBlack).left - 23, inkLeft);
}

TEST_F(TextBoxPaintTest, SizeLineBreaksAndLineFeeds)
{
    auto box = Box("abc\ndef", 20, 20, 120, 5);
    EXPECT_EQ(box->GetHeight(), 24);  // at least the font size plus 10
    EXPECT_EQ(box->GetGrid().Rows(), 1);
    EXPECT_EQ(box->GetGrid().Columns(), 114 / box->GetCellWidth());
    EXPECT_EQ(box->GetText(), "abc");  // single-line text ends at a line feed
    box->SetText("xy\nz");
    EXPECT_EQ(box->GetText(), "xy");
    EXPECT_EQ(box->GetCaret(), 2);

    auto memo = Box("ab\rc", 20, 60, 120, 60);
    memo->SetMemo(true);
    memo->SetText("ab\rc");
    const int cell = memo->GetCellWidth();
    const int line = memo->GetLineHeight();
    EXPECT_EQ(memo->GetGrid().Rows(), 54 / line);
    EXPECT_FALSE(surface.FindColor(23, 63 + line, cell, line, kBlack).Empty());  // "c", row 2
    EXPECT_EQ(surface.CountOther(23 + 2 * cell, 63, 5 * cell, line, kWhite), 0);
    EXPECT_EQ(memo->GetCells()[static_cast<size_t>(memo->GetGrid().Columns())].shown, 'c');
    EXPECT_EQ(memo->GetCells()[2].index, 2);  // the line break's cells
}

TEST_F(TextBoxPaintTest, TheMaximumLengthIsSetBeforeCreation)
{
    TextBoxCustom early(&surface.Get(), "");
    early.SetMaxLength(3);
    early.SetPosition(20, 20);
    early.Show();
    auto late = Box("", 20, 60, 120, 30);
    late->SetMaxLength(3);
    for (char character : std::string("abcd")) {
        EXPECT_TRUE(early.KeyChar(character));
        EXPECT_TRUE(late->KeyChar(character));
    }
    EXPECT_EQ(early.GetText(), "abc");
    EXPECT_EQ(late->GetText(), "abcd");
    EXPECT_EQ(late->GetMaxLength(), 256);
    EXPECT_EQ(beeps.Count(), 1);
}

TEST_F(TextBoxPaintTest, MovingAShownBoxKeepsItsTextAndErasesTheOldPlace)
{
    auto box = Box("", 20, 20, 120, 30);
    box->SetFocus();
    box->KeyChar('x');
    box->KeyChar('y');
    box->SetPosition(20, 100);
    EXPECT_EQ(box->GetText(), "xy");
    EXPECT_EQ(surface.CountOther(20, 20, 121, 31, kFormColor), 0);
    EXPECT_FALSE(
        surface.FindColor(23, 103, box->GetCellWidth(), box->GetLineHeight(), kBlack).Empty());
    box->Hide();
    EXPECT_EQ(surface.CountOther(20, 100, 121, 31, kFormColor), 0);
    EXPECT_EQ(box->GetText(), "xy");
}

TextBoxCustom* doomed = nullptr;

bool DeleteBox(GUIElement*, char)
{
    delete doomed;
    doomed = nullptr;
    return true;
}

TEST_F(TextBoxPaintTest, ACallbackMayDeleteTheBox)
{
    auto shown = [this] {
        doomed = new TextBoxCustom(&surface.Get(), "a");
        doomed->Show();
        return doomed;
    };
    shown()->SetOnKeyChar(DeleteBox);
    EXPECT_TRUE(doomed->KeyChar('b'));
    shown()->SetOnKeyDown([](GUIElement*, KeySym) { DeleteBox(nullptr, 0); });
    doomed->KeyDown(XK_Left);
    shown()->SetOnMouseUp([](GUIElement*, int64_t, Point) { DeleteBox(nullptr, 0); });
    doomed->MouseUp(Point{110, 110});
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(beeps.Count(), 0);
}

// Boxes on a form run by the event loop; input through XTest.
class TextBoxInputTest : public testsupport::LoopTest {
protected:
    void SetUp() override
    {
        LoopTest::SetUp();
        textsInUse = &texts;
    }
    // A box at (20, y) whose OnKeyUp writes its text after each key.
    std::unique_ptr<TextBoxCustom> Box(const std::string& text, int y = 30, int w = 150)
    {
        auto box = std::make_unique<TextBoxCustom>(&form, text);
        box->SetPosition(20, y);
        box->SetSize(w, 30);
        box->SetOnKeyUp([](GUIElement* self, KeySym) { textsInUse->push_back(self->GetText()); });
        box->Show();
        return box;
    }
    // A click in the middle of the box's cell.
    void ClickCell(TextBoxCustom& box, int column)
    {
        const Point at = box.GetPosition();
        input.Click(FormWindow(), at.x + 3 + column * box.GetCellWidth() + box.GetCellWidth() / 2,
                    at.y + 3 + box.GetLineHeight() / 2);
    }
    void Type(const std::vector<KeySym>& keys)
    {
        for (KeySym key : keys) {
            input.TypeKey(key);
        }
    }

    testsupport::BeepCounter beeps{folder.Path()};
    Journal texts;
};

TEST_F(TextBoxInputTest, TypingOverBackspaceDeleteAndTheWidthLimitThroughTheLoop)
{
    auto box = Box("abcd");
    box->SetSize(6 + 5 * box->GetCellWidth() + box->GetCellWidth() - 1, 30);
    ClickCell(*box, 1);
    Type({XK_x, XK_BackSpace, XK_Delete, XK_b, XK_c, XK_d, XK_e, XK_f, XK_Right});
    Run();
    EXPECT_EQ(texts, (Journal{"axcd", "acd", "a d", "abd", "abc", "abcd", "abcde", "abcde",
                              "abcde"}));
    EXPECT_EQ(box->GetCaret(), 5);
    EXPECT_EQ(beeps.Count(), 2);  // the sixth letter and the caret past the end
}

TEST_F(TextBoxInputTest, OnChangeFollowsOnlyAnEditBetweenFocusAndLeaving)
{
    auto first = Box("abc", 30);
    auto second = Box("", 80);
    first->SetTag("first");
    first->SetOnLostFocus([](GUIElement*) { textsInUse->push_back("first lost"); });
    first->SetOnChange([](GUIElement*) { textsInUse->push_back("first changed"); });
    first->SetOnKeyUp(nullptr);
    second->SetOnKeyUp(nullptr);
    ClickCell(*first, 0);
    Type({XK_Tab, XK_Tab, XK_x, XK_Tab});  // out without editing, back, then out after an edit
    Run();
    EXPECT_EQ(texts, (Journal{"first lost", "first lost", "first changed"}));
    EXPECT_EQ(first->GetText(), "xbc");
    EXPECT_TRUE(second->HasFocus());
    EXPECT_FALSE(first->HasFocus());
}

}  // namespace
}  // namespace tarnbrook
