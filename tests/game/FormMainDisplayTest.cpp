#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(MainWindowInProcess, AGameThatEndsWithOnePointStillAsksForAName)
{
    testsupport::FakeCommands commands(folder.Path());
    Start();
    Click(12 * Board::kColumns + 5);  // beside two hazards: one point
    const int windows = testsupport::CountTopLevelWindows(screen.GetDisplay());
    Click(12 * Board::kColumns + 6);
    EXPECT_EQ(form->GetBoard().Score(), 1);
    EXPECT_EQ(testsupport::CountTopLevelWindows(screen.GetDisplay()), windows + 1);
}

// Another process keeps the ranking locked: start-up reads nothing and a save is refused, each
// logged, the file untouched. Once the lock is free, the next save works.
TEST_F(MainWindowInProcess, ARankingKeptLockedIsGivenUpAndTheNextSaveWorks)
{
    const std::string path = "Data/Tarnbrook/Score/Classifica.txt";
    folder.Write(path, "00000009 Kept\n");
    testsupport::FakeCommands commands(folder.Path());
    int held[2], release[2];
    ASSERT_TRUE(pipe(held) == 0 && pipe(release) == 0);
    const pid_t holder = fork();
    if (holder == 0) {
        close(release[1]);
        flock(open("Data/Tarnbrook/Score", O_RDONLY | O_DIRECTORY), LOCK_EX);
        pollfd freed{release[0], POLLIN, 0};
        // A game that waits without limit gets the lock only after this.
        _exit(write(held[1], "h", 1) == 1 ? poll(&freed, 1, 20000) : 1);
    }
    char byte;
    ASSERT_EQ(read(held[0], &byte, 1), 1);
    form.reset();
    Open();
    EXPECT_TRUE(form->GetTicker().Lines().empty());
    Start();
    Click(12 * Board::kColumns + 5);
    Click(12 * Board::kColumns + 6);  // one point, then a hazard
    form->StoreRankingEntry();
    EXPECT_EQ(folder.Read(path), "00000009 Kept\n");
    EXPECT_EQ(folder.Read("log.txt"), "Classifica bloccata, lettura annullata " + path +
                                          "\nClassifica bloccata, salvataggio annullato " + path +
                                          "\n");
    close(release[1]);
    waitpid(holder, nullptr, 0);
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
