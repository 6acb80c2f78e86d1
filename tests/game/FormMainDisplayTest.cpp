#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "app/Application.h"
#include "dialogs/FormNamePlayer.h"
#include "game/Board.h"
#include "game/FormMain.h"
#include "game/RankingFile.h"
#include "gfx/Screen.h"
#include "support/ChildProcesses.h"
#include "support/EventPump.h"
#include "support/FakeCommands.h"
#include "support/ReferencePaint.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"
#include "support/WindowState.h"
#include "ui/ImageFrame.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {
namespace {

constexpr int kTeal = 0x00C0C0;
constexpr int kUpperLeft = Board::kColumns + 1;  // row 1, column 1
constexpr int kLogoCell = 2 * Board::kColumns + 3;

// The main window in this process; hazards in rows 12-13, columns 6-10 (a click in the upper left
// opens every other square); the three-second pause only counts.
class MainWindowInProcess : public ::testing::Test {
protected:
    MainWindowInProcess() { folder.CopyDataFolder(); }

    void SetUp() override
    {
        Application::ResetState();
        for (int i = 0; i < 10; ++i) {
            script.push_back((12 + i / 5) * Board::kColumns + 6 + i % 5);
        }
        Open();
    }
    void Open()
    {
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
        return testsupport::ReadArea(screen.GetDisplay(), form->GetWindow(), x, y, w, h) ==
               testsupport::PaintedLabel(text, w, h, 0x000000, kTeal, 2, bevel);
    }

    testsupport::ScratchFolder folder;
    std::string title = "Tarnbrook - in this process";
    Screen screen{title.c_str()};
    std::vector<int> script;
    size_t next = 0;
    int pauses = 0;
    std::unique_ptr<FormMain> form;
};

// Announced once, with one beep and the blue bar; the second tick brings the next level.
TEST_F(MainWindowInProcess, ACompletedLevelPausesOnceAndTheSecondTickBringsTheNext)
{
    testsupport::FakeCommands slowAplay(folder.Path(), 20);  // still playing when the window goes
    Start();
    Click(kUpperLeft);
    ASSERT_TRUE(testsupport::WaitFor(
        [&] { return slowAplay.Calls() == std::vector<std::string>{"aplay Data/beep.wav"}; }));
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(form->GetBoard().Score(), 120);
    EXPECT_EQ(testsupport::PictureDifference(
                  testsupport::ReadArea(screen.GetDisplay(), form->GetWindow(), 0, 0,
                                        form->GetClientWidth(), form->GetClientHeight()),
                  "level-completed"),
              "");

    form->OnUserMessage();
    EXPECT_EQ(form->GetBoard().Level(), 1);
    form->OnUserMessage();
    EXPECT_EQ(form->GetBoard().Level(), 2);
    EXPECT_TRUE(LabelShows(527, 300, 200, 28, "Level: 02", true));
    EXPECT_TRUE(LabelShows(33, 285, 60, 30, "-118", true));
    EXPECT_TRUE(LabelShows(100, 100, 600, 25, "", false));
    EXPECT_EQ(form->GetStartButton()->GetText(), "CANCEL");

    // The window goes without leaving the beep, still playing, behind.
    form.reset();
    EXPECT_TRUE(
        testsupport::WaitFor([&] { return testsupport::ProcessEnded(slowAplay.Pids()[0]); }));
}

// A game that ends with one point still asks for a name. With the ranking kept locked by another
// process, start-up reads nothing and the save is refused, each logged, the file untouched; once
// the lock is free, the next save works.
TEST_F(MainWindowInProcess, AOnePointGameAsksForANameAndALockedRankingIsLeftAloneUntilFree)
{
    const std::string path = "Data/Tarnbrook/Score/Classifica.txt";
    folder.Write(path, "00000009 Kept\n");
    testsupport::FakeCommands commands(folder.Path());
    // A game that waited without limit would have the lock after 20 s.
    FILE* holder = popen("timeout 20 flock Data/Tarnbrook/Score sh -c 'touch held; read x'", "w");
    ASSERT_TRUE(testsupport::WaitFor([&] { return folder.Exists("held"); }));
    form.reset();
    Open();
    EXPECT_TRUE(form->GetTicker().Lines().empty());
    Start();
    Click(12 * Board::kColumns + 5);  // beside two hazards: one point
    const int windows = testsupport::CountTopLevelWindows(screen.GetDisplay());
    Click(12 * Board::kColumns + 6);
    EXPECT_EQ(form->GetBoard().Score(), 1);
    EXPECT_EQ(testsupport::CountTopLevelWindows(screen.GetDisplay()), windows + 1);
    form->StoreRankingEntry();
    EXPECT_EQ(folder.Read(path), "00000009 Kept\n");
    EXPECT_EQ(folder.Read("log.txt"), "Classifica bloccata, lettura annullata " + path +
                                          "\nClassifica bloccata, salvataggio annullato " + path +
                                          "\n");
    pclose(holder);  // the end of its input frees the lock
    form->StoreRankingEntry();
    EXPECT_EQ(form->GetTicker().Lines(),
              (std::vector<std::string>{"00000009 Kept",
                                        "00000001 " + RankingFile::Entry(playerName, 1)}));
}

// INFO opens the About box with the game's banner and texts; a second click replaces it.
TEST_F(MainWindowInProcess, InfoOpensOneAboutBox)
{
    using namespace testsupport;
    const int windows = CountTopLevelWindows(screen.GetDisplay());
    form->CommandClicked(form->GetInfoButton());
    form->CommandClicked(form->GetInfoButton());
    EXPECT_EQ(CountTopLevelWindows(screen.GetDisplay()), windows + 1);
    const Window about = TopLevelWindows(screen.GetDisplay()).back();
    ASSERT_TRUE(WaitViewable(screen.GetDisplay(), about));
    DispatchPending(form.get());  // its first paint
    const Area shown = ReadArea(screen.GetDisplay(), about, 0, 0, 600, 210);
    EXPECT_EQ(PictureDifference(shown, "about-box-of-the-game"), "");
}

}  // namespace
}  // namespace tarnbrook
