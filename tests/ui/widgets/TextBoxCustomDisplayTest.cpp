#include <gtest/gtest.h>

#include "ui/widgets/TextBoxCustom.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "gfx/Screen.h"
#include "support/BeepCounter.h"
#include "support/InputDriver.h"
#include "support/RecordingForm.h"
#include "support/ScratchFolder.h"
#include "support/ShownForm.h"

namespace tarnbrook {
namespace {

using Journal = std::vector<std::string>;

constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0x000000;
constexpr int kCaret = 0xFFFF00;
constexpr int kDisabledBack = 0xAAAAAA;
constexpr int kDisabledText = 0x9B9B9B;
constexpr int kFormColor = 0x5080B0;
constexpr char kBackspace = 8;
constexpr char kDelete = 127;

Journal* journalInUse = nullptr;

// Written by the box's OnKeyUp: the text after each key.
void NoteText(GUIElement* element, KeySym)
{
    journalInUse->push_back(element->GetText());
}

void NoteLostFocus(GUIElement* element)
{
    journalInUse->push_back(element->GetTag() + " lost");
}

void NoteChange(GUIElement* element)
{
    journalInUse->push_back(element->GetTag() + " changed");
}

KeySym KeyFor(char character)
{
    if (character >= '0' && character <= '9') {
        return XK_0 + static_cast<KeySym>(character - '0');
    }
    if (character >= 'a' && character <= 'z') {
        return XK_a + static_cast<KeySym>(character - 'a');
    }
    switch (character) {
    case '.':
        return XK_period;
    case kBackspace:
        return XK_BackSpace;
    case kDelete:
        return XK_Delete;
    case '\r':
        return XK_Return;
    case '\t':
        return XK_Tab;
    default:
        return XK_space;
    }
}

// Boxes painted on a shown form, driven by direct calls; pixels read back from the window.
class TextBoxPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_TRUE(surface.Viewable());
    }
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
    testsupport::ShownForm surface{300, 240, kFormColor};
};

// Boxes on a form run by the event loop; input through XTest.
class TextBoxInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::ResetState();
        ASSERT_NE(screen.GetDisplay(), nullptr);
        ASSERT_TRUE(input.Connected());
        journalInUse = &journal;
        form.SetScreen(&screen);
        form.SetPosition(50, 50);
        form.SetSize(300, 200);
        form.Show();
        XSync(screen.GetDisplay(), False);
        input.MoveTo(DefaultRootWindow(input.GetDisplay()), 5, 5);
    }
    std::unique_ptr<TextBoxCustom> Box(const std::string& text, int x = 20, int y = 30,
                                       int w = 150)
    {
        auto box = std::make_unique<TextBoxCustom>(&form, text);
        box->SetPosition(x, y);
        box->SetSize(w, 30);
        box->SetOnKeyUp(NoteText);
        box->Show();
        return box;
    }
    // A click in the middle of the box's cell.
    void ClickCell(TextBoxCustom& box, int column, int row = 0)
    {
        const Point at = box.GetPosition();
        input.Click(form.GetWindow(), at.x + 3 + column * box.GetCellWidth() + box.GetCellWidth() / 2,
                    at.y + 3 + row * box.GetLineHeight() + box.GetLineHeight() / 2);
    }
    void Type(const std::string& characters)
    {
        for (char character : characters) {
            input.TypeKey(KeyFor(character));
        }
    }
    // Runs the loop over the input queued so far; a user message queued last ends it.
    void RunToEnd()
    {
        input.SendUserMessage(form.GetWindow());
        Application::Run(&form);
    }

    testsupport::ScratchFolder folder;
    testsupport::BeepCounter beeps{folder.Path()};
    Screen screen{"tests"};
    testsupport::InputDriver input;
    Journal formJournal;
    Journal journal;
    testsupport::RecordingForm form{&formJournal};
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
    EXPECT_EQ(surface.Pixel(20, 45), kWhite);
    EXPECT_EQ(surface.Pixel(139, 45), kBlack);
    EXPECT_EQ(surface.Pixel(60, 59), kBlack);
    EXPECT_EQ(surface.Pixel(60, 31), kBlack);
    EXPECT_EQ(surface.Pixel(21, 45), kBlack);
    EXPECT_EQ(surface.Pixel(138, 45), kWhite);
    EXPECT_EQ(surface.Pixel(60, 58), kWhite);
    EXPECT_EQ(surface.Pixel(140, 45), kFormColor);
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());

    box->SetFocus();
    EXPECT_EQ(Application::focused, box.get());
    const testsupport::InkBox caret = surface.FindColor(20, 30, 120, 30, kCaret);
    EXPECT_EQ(caret.left, 23 + 2 * cell);  // the cell after "Mi"
    EXPECT_EQ(caret.top, 33);
    EXPECT_EQ(caret.right, 23 + 3 * cell - 2);
    EXPECT_EQ(caret.bottom, 33 + line - 1);
    EXPECT_EQ(caret.count, (cell - 1) * line);
    const testsupport::InkBox letterM = surface.FindColor(23, 33, cell, line, kBlack);
    EXPECT_FALSE(letterM.Empty());
    EXPECT_GE(letterM.top, 33);
    EXPECT_LE(letterM.bottom, 33 + line - 1);
    EXPECT_FALSE(surface.FindColor(23 + cell, 33, cell, line, kBlack).Empty());
    EXPECT_EQ(surface.CountOther(23 + 3 * cell, 33, 8 * cell, line, kWhite), 0);

    box->LostFocus();
    EXPECT_TRUE(surface.FindColor(20, 30, 120, 30, kCaret).Empty());
    EXPECT_EQ(surface.CountOther(23 + 2 * cell, 33, cell, line, kWhite), 0);
}

TEST_F(TextBoxPaintTest, DisabledOrReadOnlyBoxesShowNoCaret)
{
    auto disabled = Box("ab", 20, 30, 120, 30);
    const int cell = disabled->GetCellWidth();
    const int line = disabled->GetLineHeight();
    disabled->SetFocus();
    disabled->Enable(false);
    EXPECT_EQ(surface.Pixel(25 + 4 * cell, 40), kDisabledBack);
    EXPECT_FALSE(surface.FindColor(23, 33, cell, line, kDisabledText).Empty());
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
    EXPECT_EQ(box->GetLength(), 3);
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

bool DeleteBoxOnKey(GUIElement*, char)
{
    delete doomed;
    doomed = nullptr;
    return true;
}

void DeleteBoxOnKeyDown(GUIElement*, KeySym)
{
    DeleteBoxOnKey(nullptr, 0);
}

void DeleteBoxOnMouseUp(GUIElement*, int64_t, Point)
{
    DeleteBoxOnKey(nullptr, 0);
}

TEST_F(TextBoxPaintTest, ACallbackMayDeleteTheBox)
{
    doomed = new TextBoxCustom(&surface.Get(), "a");
    doomed->Show();
    doomed->SetOnKeyChar(DeleteBoxOnKey);
    EXPECT_TRUE(doomed->KeyChar('b'));
    doomed = new TextBoxCustom(&surface.Get(), "a");
    doomed->Show();
    doomed->SetOnKeyDown(DeleteBoxOnKeyDown);
    doomed->KeyDown(XK_Left);
    doomed = new TextBoxCustom(&surface.Get(), "a");
    doomed->Show();
    doomed->SetOnMouseUp(DeleteBoxOnMouseUp);
    doomed->MouseUp(Point{110, 110});
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(TextBoxInputTest, TheWidthLimitBeepsAndKeepsTheCaret)
{
    auto box = Box("");
    box->SetSize(6 + 5 * box->GetCellWidth() + box->GetCellWidth() - 1, 30);
    ClickCell(*box, 0);
    Type("abcdef");
    input.TypeKey(XK_Right);
    RunToEnd();
    EXPECT_EQ(box->GetText(), "abcde");
    EXPECT_EQ(box->GetCaret(), 5);
    EXPECT_EQ(beeps.Count(), 2);  // the sixth letter and the caret past the end
}

TEST_F(TextBoxInputTest, TypingOverBackspaceAndDelete)
{
    auto box = Box("abcd");
    ClickCell(*box, 1);
    Type(std::string("x") + kBackspace + kDelete);
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"axcd", "acd", "a d"}));
    EXPECT_EQ(box->GetCaret(), 1);
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(TextBoxInputTest, ClickingBesideTheTextPutsTheCaretAtItsEnd)
{
    auto box = Box("abc");
    ClickCell(*box, 1);
    input.TypeKey(XK_Left);
    ClickCell(*box, 9);
    input.TypeKey(XK_Right);
    RunToEnd();
    EXPECT_EQ(box->GetCaret(), 3);
    EXPECT_EQ(beeps.Count(), 1);  // Right at the end
}

TEST_F(TextBoxInputTest, DateModeWritesTheSlashesAndBackspaceTakesThemBack)
{
    auto box = Box("");
    box->SetDateMode(true);
    ClickCell(*box, 0);
    Type(std::string("12032024") + std::string(5, kBackspace));
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"1", "12/", "12/0", "12/03/", "12/03/2", "12/03/20", "12/03/202",
                                "12/03/2024", "12/03/202", "12/03/20", "12/03/2", "12/03/",
                                "12/0"}));
    EXPECT_EQ(box->GetCaret(), 4);
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(TextBoxInputTest, ASecondDecimalPointBeeps)
{
    auto box = Box("");
    box->SetDigitsOnly(true);
    box->SetAllowDecimalPoint(true);
    ClickCell(*box, 0);
    Type("1.5.2x");
    RunToEnd();
    EXPECT_EQ(box->GetText(), "1.52");
    EXPECT_EQ(beeps.Count(), 2);
}

TEST_F(TextBoxInputTest, ReadOnlyMovesTheCaretButTakesNoCharacter)
{
    auto box = Box("abc");
    box->SetReadOnly(true);
    ClickCell(*box, 2);
    input.TypeKey(XK_Left);
    Type("x");
    RunToEnd();
    EXPECT_EQ(box->GetText(), "abc");
    EXPECT_EQ(box->GetCaret(), 1);
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(TextBoxInputTest, MultiLineTextIsTypedInAndTheArrowsChangeRows)
{
    auto box = std::make_unique<TextBoxCustom>(&form, "");
    box->SetPosition(20, 30);
    box->SetSize(150, 80);
    box->SetMemo(true);
    box->SetOnKeyUp(NoteText);
    box->Show();
    ClickCell(*box, 0);
    Type("ab\rcd");
    input.TypeKey(XK_Up);  // onto the line break, the end of the first row
    Type("x");
    input.TypeKey(XK_Left);
    input.TypeKey(XK_Down);  // the end of the text
    input.TypeKey(XK_Down);
    RunToEnd();
    EXPECT_EQ(box->GetText(), "abx\rcd");
    EXPECT_EQ(box->GetCaret(), 6);
    const size_t secondRow = static_cast<size_t>(box->GetGrid().Columns());
    EXPECT_EQ(box->GetCells()[secondRow].shown, 'c');
    EXPECT_EQ(beeps.Count(), 1);  // nothing below the text
}

TEST_F(TextBoxInputTest, OnChangeFollowsOnlyAnEditBetweenFocusAndLeaving)
{
    auto first = Box("abc", 20, 30);
    auto second = Box("", 20, 80);
    first->SetTag("first");
    first->SetOnLostFocus(NoteLostFocus);
    first->SetOnChange(NoteChange);
    first->SetOnKeyUp(nullptr);
    second->SetOnKeyUp(nullptr);
    ClickCell(*first, 0);
    Type("\t\t");  // out without editing, then back
    Type("x\t");
    RunToEnd();
    EXPECT_EQ(journal, (Journal{"first lost", "first lost", "first changed"}));
    EXPECT_EQ(first->GetText(), "xbc");
    EXPECT_TRUE(second->HasFocus());
    EXPECT_FALSE(first->HasFocus());
}

}  // namespace
}  // namespace tarnbrook
