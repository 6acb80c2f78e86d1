#include <gtest/gtest.h>

#include "ui/widgets/TextBoxCustom.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "support/BeepCounter.h"
#include "support/ScratchFolder.h"
#include "support/SurfaceTest.h"
#include "support/WidgetPixels.h"

namespace tarnbrook {
namespace {

using namespace testsupport;

constexpr int kCaret = 0xFFFF00;
constexpr int kFormColor = 0x5080B0;

std::vector<std::string> texts;  // written by the boxes' callbacks

// Boxes on a shown form; the cells start 3 pixels inside.
class TextBoxCustomDisplayTest : public InputSurfaceTest {
protected:
    TextBoxCustomDisplayTest() : InputSurfaceTest(300, 240, kFormColor) {}
    void SetUp() override
    {
        InputSurfaceTest::SetUp();
        texts.clear();
    }
    // A box at (20, y) in its own colours.
    std::unique_ptr<TextBoxCustom> Box(const std::string& text, int y, int w = 120, int h = 30)
    {
        auto box = std::make_unique<TextBoxCustom>(&surface.Get(), text);
        box->SetPosition(20, y);
        box->SetSize(w, h);
        box->Show();
        return box;
    }
    // A click in the middle of the box's cell, then the keys.
    void ClickAndType(TextBoxCustom& box, int column, const std::vector<KeySym>& keys)
    {
        const Point at = box.GetPosition();
        input.Click(FormWindow(), at.x + 3 + column * box.GetCellWidth() + box.GetCellWidth() / 2,
                    at.y + 3 + box.GetLineHeight() / 2);
        for (KeySym key : keys) {
            input.TypeKey(key);
        }
    }
    XFontStruct* Font() { return surface.Get().GetFont().GetFontStruct(surface.GetDisplay()); }
    // The ink of the cell at column 0 of the box's first row.
    InkBox Ink(TextBoxCustom& box, int color = kBlack)
    {
        const Point at = box.GetPosition();
        const int w = box.GetCellWidth();
        return surface.FindColor(at.x + 3, at.y + 3, w, box.GetLineHeight(), color);
    }

    ScratchFolder folder;
    BeepCounter beeps{folder.Path()};
};

// A sunken frame; the caret fills the cell after the text; hidden, erased. Disabled or read-only,
// no caret, character or beep; SetMaxLength after Create is ignored.
TEST_F(TextBoxCustomDisplayTest, FrameCaretDisabledReadOnlyAndMaximumLength)
{
    auto box = Box("Mi  ", 30);
    EXPECT_EQ(box->GetText(), "Mi");
    const int cell = box->GetCellWidth();
    const int line = box->GetLineHeight();
    EXPECT_EQ(cell, XTextWidth(Font(), "M", 1) + 2);
    EXPECT_EQ(line, Font()->ascent + 5);
    ExpectSpots({Spot{60, 30, kWhite}, Spot{139, 45, kBlack}, Spot{21, 45, kBlack},
                 Spot{60, 58, kWhite}, Spot{140, 45, kFormColor}});
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());

    box->SetFocus();
    const InkBox caret = surface.FindColor(20, 30, 120, 30, kCaret);
    EXPECT_EQ(XY(Point{caret.left, caret.top}), XY(Point{23 + 2 * cell, 33}));
    EXPECT_EQ(caret.count, (cell - 1) * line);
    EXPECT_LE(Ink(*box).bottom, 33 + line - 1);
    EXPECT_FALSE(surface.FindColor(23 + cell, 33, cell, line, kBlack).Empty());
    EXPECT_EQ(surface.CountOther(23 + 3 * cell, 33, 8 * cell, line, kWhite), 0);
    box->LostFocus();
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());

    box->Hide();  // erased, the text kept
    EXPECT_EQ(surface.CountOther(20, 30, 121, 31, kFormColor), 0);
    EXPECT_EQ(box->GetText(), "Mi");

    auto disabled = Box("ab", 30);
    disabled->SetFocus();
    disabled->Enable(false);
    EXPECT_EQ(surface.Pixel(25 + 4 * disabled->GetCellWidth(), 40), kGrey);
    EXPECT_FALSE(Ink(*disabled, kDisabled).Empty());
    EXPECT_TRUE(surface.FindColor(22, 32, 116, 26, kBlack).Empty());
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());
    EXPECT_FALSE(disabled->KeyChar('x'));

    auto readOnly = Box("ab", 80);
    readOnly->SetReadOnly(true);
    readOnly->SetFocus();
    EXPECT_TRUE(surface.FindColor(20, 80, 120, 30, kCaret).Empty());
    EXPECT_FALSE(readOnly->KeyChar('x'));
    readOnly->KeyDown(XK_Left);
    EXPECT_EQ(readOnly->GetCaret(), 1);
    EXPECT_EQ(readOnly->GetText(), "ab");
    EXPECT_EQ(beeps.Count(), 0);

    TextBoxCustom early(&surface.Get(), "");
    early.SetMaxLength(3);
    early.Show();
    auto late = Box("", 170);
    late->SetMaxLength(3);
    for (char character : std::string("abcd")) {
        EXPECT_TRUE(early.KeyChar(character) && late->KeyChar(character));
    }
    EXPECT_EQ(early.GetText() + " " + late->GetText(), "abc abcd");
    EXPECT_EQ(beeps.Count(), 1);
}

// Password stars; alignment in the cell; at least the font plus 10 high; memo line breaks.
TEST_F(TextBoxCustomDisplayTest, PasswordAlignmentSizeAndLineBreaks)
{
    auto secret = Box("ab c", 20);
    secret->SetPassword(true);
    auto stars = Box("** *", 60);
    const int cell = secret->GetCellWidth();
    const int line = secret->GetLineHeight();
    EXPECT_EQ(surface.Area(23, 23, 5 * cell, line), surface.Area(23, 63, 5 * cell, line));
    EXPECT_EQ(secret->GetText(), "ab c");

    const int inkLeft = Ink(*Box("i", 100, 60)).left;
    const int glyph = XTextWidth(Font(), "i", 1);
    auto right = Box("i", 140, 60);
    right->SetAlignRight(true);
    EXPECT_EQ(Ink(*right).left, inkLeft + cell - glyph);
    auto centre = Box("i", 180, 60);
    centre->SetAlignCenter(true);
    EXPECT_EQ(Ink(*centre).left, inkLeft + (cell - glyph) / 2);
    centre->SetMultiLine(true);
    EXPECT_EQ(Ink(*centre).left, inkLeft);

    EXPECT_EQ(Box("abc", 220, 120, 5)->GetHeight(), 24);

    auto memo = Box("", 100, 120, 60);
    memo->SetPosition(160, 100);
    memo->SetMemo(true);
    memo->SetText("ab\rc");
    EXPECT_EQ(memo->GetGrid().Rows(), 54 / line);
    EXPECT_FALSE(surface.FindColor(163, 103 + line, cell, line, kBlack).Empty());  // "c", row 2
    EXPECT_EQ(surface.CountOther(163 + 2 * cell, 103, 5 * cell, line, kWhite), 0);
    EXPECT_EQ(memo->GetCells()[2].index, 2);  // the line break's cells
    memo->KeyDown(XK_Up);
    const int above = memo->GetCaret();
    memo->KeyDown(XK_Down);
    EXPECT_GT(memo->GetCaret(), above);
}

// Five cells take five characters and the sixth beeps; Shift let go first still gives a capital.
TEST_F(TextBoxCustomDisplayTest, TypingOverBackspaceDeleteAndTheWidthLimitThroughTheDispatcher)
{
    auto box = Box("abcd", 30, 150);
    box->SetOnKeyUp([](GUIElement* self, KeySym) { texts.push_back(self->GetText()); });
    box->SetSize(6 + 5 * box->GetCellWidth() + box->GetCellWidth() - 1, 30);
    ClickAndType(
        *box, 1,
        {XK_x, XK_BackSpace, XK_Delete, XK_b, XK_c, XK_d, XK_e, XK_f, XK_Right, XK_BackSpace});
    input.PressKey(XK_Shift_L);
    input.PressKey(XK_a);
    input.ReleaseKey(XK_Shift_L);
    input.ReleaseKey(XK_a);
    Pump();
    EXPECT_EQ(texts, (std::vector<std::string>{"axcd", "acd", "a d", "abd", "abc", "abcd", "abcde",
                                               "abcde", "abcde", "abcd", "abcd", "abcdA"}));
    EXPECT_EQ(box->GetCaret(), 5);
    EXPECT_EQ(beeps.Count(), 1);
}

// Out without editing, back, then out after an edit: only the last leaving is a change. é (from
// 128 up) reaches the box's rules, which refuse it with a beep.
TEST_F(TextBoxCustomDisplayTest, OnChangeFollowsOnlyAnEditBetweenFocusAndLeaving)
{
    auto first = Box("abc", 30, 150);
    auto second = Box("", 80, 150);
    first->SetOnLostFocus([](GUIElement*) { texts.push_back("first lost"); });
    first->SetOnChange([](GUIElement*) { texts.push_back("first changed"); });
    ClickAndType(*first, 0, {XK_eacute, XK_Tab, XK_Tab, XK_x, XK_Tab});
    Pump();
    EXPECT_EQ(texts, (std::vector<std::string>{"first lost", "first lost", "first changed"}));
    first->SetFocus();
    second->SetFocus();
    EXPECT_EQ(texts.back(), "first lost");
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(first->GetText(), "xbc");
    EXPECT_TRUE(second->HasFocus());
}

}  // namespace
}  // namespace tarnbrook
