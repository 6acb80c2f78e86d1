#include <gtest/gtest.h>

#include <memory>

#include "game/Board.h"
#include "game/FormMain.h"
#include "gfx/Screen.h"
#include "support/ChildProcesses.h"
#include "support/EventPump.h"
#include "support/FakeCommands.h"
#include "support/OwnerForm.h"
#include "support/ReferencePaint.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"
#include "ui/ImageFrame.h"
#include "ui/widgets/ButtonCustom.h"

namespace {

using tarnbrook::Board;
using tarnbrook::FormMain;

constexpr int kTeal = 0x00C0C0;
constexpr int kUpperLeft = Board::kColumns + 1;  // row 1, column 1
constexpr int kLogoCell = 2 * Board::kColumns + 3;

// Ten hazards in rows 12 and 13, columns 6 to 10: a click in the upper left opens every other
// square.
std::vector<int> LowerRightBlock()
{
    std::vector<int> cells;
    for (int row = 12; row <= 13; ++row) {
        for (int column = 6; column <= 10; ++column) {
            cells.push_back(row * Board::kColumns + column);
        }
    }
    return cells;
}

// The main window in this process, on a board whose hazards come from a script and whose
// three-second pause only counts.
class MainWindowInProcess : public ::testing::Test {
protected:
    MainWindowInProcess() { folder.CopyDataFolder(); }

    void Build(std::vector<int> hazards)
    {
        script = std::move(hazards);
        form = std::make_unique<FormMain>(
            &screen, title, [this](int, int) { return script[next++ % script.size()]; },
            [this] { ++pauses; });
        ASSERT_TRUE(testsupport::WaitViewable(screen.GetDisplay(), form->GetWindow()));
        // The logo comes with the first paint.
        ASSERT_TRUE(testsupport::WaitFor([&] {
            testsupport::DispatchPending(form.get());
            return form->GetBoard().Tile(kLogoCell) == Board::kCoveredTile;
        }));
    }
    void Start() { form->CommandClicked(form->GetStartButton()); }
    void Click(int cell) { form->CellClicked(form->GetCell(cell)); }
    bool LabelShows(int x, int y, int w, int h, const std::string& text, bool bevel)
    {
        XSync(screen.GetDisplay(), False);
        return testsupport::ReadArea(screen.GetDisplay(), form->GetWindow(), x, y, w, h) ==
               testsupport::PaintedLabel(text, w, h, 0x000000, kTeal, 2, bevel);
    }
    bool InteriorCovered()
    {
        for (int cell = 0; cell < Board::kCellCount; ++cell) {
            if (Board::IsInteriorIndex(cell) &&
                form->GetBoard().Tile(cell) != Board::kCoveredTile) {
                return false;
            }
        }
        return true;
    }

    testsupport::ScratchFolder folder;
    std::string title = "Tarnbrook - in this process";
    tarnbrook::Screen screen{title.c_str()};
    std::vector<int> script;
    size_t next = 0;
    int pauses = 0;
    std::unique_ptr<FormMain> form;
};

TEST_F(MainWindowInProcess, ACompletedLevelPausesOnceAndTheSecondTickBringsTheNext)
{
    testsupport::FakeCommands commands(folder.Path());
    Build(LowerRightBlock());
    Start();
    Click(kUpperLeft);
    EXPECT_TRUE(testsupport::WaitFor(
        [&] { return commands.Calls() == std::vector<std::string>{"aplay Data/beep.wav"}; }));
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(form->GetBoard().Score(), 120);
    EXPECT_TRUE(LabelShows(100, 100, 600, 25, "Level completed!", false));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, "0", true));
    EXPECT_TRUE(LabelShows(527, 260, 200, 28, "Score: 00120", true));

    form->OnUserMessage();
    EXPECT_EQ(form->GetBoard().Level(), 1);
    form->OnUserMessage();
    EXPECT_EQ(form->GetBoard().Level(), 2);
    EXPECT_TRUE(InteriorCovered());
    EXPECT_TRUE(LabelShows(527, 300, 200, 28, "Level: 02", true));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, "-118", true));
    EXPECT_TRUE(LabelShows(100, 100, 600, 25, "", false));
    EXPECT_EQ(form->GetStartButton()->GetText(), "CANCEL");
}

TEST_F(MainWindowInProcess, AGameThatEndsWithOnePointStillAsksForAName)
{
    testsupport::FakeCommands commands(folder.Path());
    Build(LowerRightBlock());
    Start();
    Click(12 * Board::kColumns + 5);  // beside two hazards: one point
    const int windows = testsupport::CountTopLevelWindows(screen.GetDisplay());
    Click(12 * Board::kColumns + 6);
    EXPECT_EQ(form->GetBoard().Score(), 1);
    EXPECT_EQ(testsupport::CountTopLevelWindows(screen.GetDisplay()), windows + 1);
}

TEST_F(MainWindowInProcess, TheWindowGoesWithoutLeavingASoundPlaying)
{
    testsupport::FakeCommands slowAplay(folder.Path(), 20);  // still playing when the window goes
    Build(LowerRightBlock());
    Start();
    Click(kUpperLeft);
    ASSERT_TRUE(testsupport::WaitFor([&] { return slowAplay.Pids().size() == 1; }));
    form.reset();
    EXPECT_TRUE(
        testsupport::WaitFor([&] { return testsupport::ProcessEnded(slowAplay.Pids()[0]); }));
}

}  // namespace
