#include "game/SoundPlayer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "game/Board.h"
#include "game/BoardView.h"
#include "support/ChildProcesses.h"
#include "support/FakeCommands.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"

namespace tarnbrook {
namespace {

// Plays the board's sounds the way the main window does.
class SoundingView : public BoardView {
public:
    bool IsInterior(int cell) const override
    {
        return cell / 12 >= 1 && cell / 12 <= 13 && cell % 12 >= 1 && cell % 12 <= 10;
    }
    void SetTile(int, int) override {}
    void SetScoreText(const std::string&) override {}
    void SetLevelText(const std::string&) override {}
    void SetRemainingText(const std::string&) override {}
    void SetMessageText(const std::string&) override {}
    void PlaySound(const std::string& path) override { player.Play(path, false); }
    void PauseThreeSeconds() override {}
    void GameOver(int) override {}

    SoundPlayer player;
};

// An aplay that writes its process id and then plays for half a minute; it is put first on
// PATH for the lifetime of the object.
class SlowAplay {
public:
    explicit SlowAplay(const std::string& folder)
        : bin_(folder + "/slow-bin"), pids_(folder + "/aplay-pids.txt")
    {
        mkdir(bin_.c_str(), 0755);
        const std::string script = bin_ + "/aplay";
        std::ofstream(script) << "#!/bin/sh\necho $$ >> '" << pids_ << "'\nexec sleep 30\n";
        chmod(script.c_str(), 0755);
        previousPath_ = std::getenv("PATH");
        setenv("PATH", (bin_ + ":" + previousPath_).c_str(), 1);
    }
    ~SlowAplay() { setenv("PATH", previousPath_.c_str(), 1); }
    SlowAplay(const SlowAplay&) = delete;
    SlowAplay& operator=(const SlowAplay&) = delete;

    std::vector<pid_t> Started() const
    {
        std::vector<pid_t> pids;
        std::ifstream in(pids_);
        for (pid_t pid; in >> pid;) {
            pids.push_back(pid);
        }
        return pids;
    }

private:
    std::string bin_;
    std::string pids_;
    std::string previousPath_;
};

struct SoundScene {
    SoundScene() : commands(folder.Path())
    {
        folder.Write("Data/beep.wav", "RIFF");
        folder.Write("Data/Explosion.wav", "RIFF");
    }

    testsupport::ScratchFolder folder;
    testsupport::FakeCommands commands;
};

TEST(SoundPlayer, OneSafeClickRunsOneAplayOfTheBeep)
{
    SoundScene scene;
    SoundingView view;
    Board board(view);
    board.StartGame();
    board.CellClicked(13);

    ASSERT_TRUE(testsupport::WaitFor([&] { return !view.player.IsPlaying(); }));
    EXPECT_EQ(scene.commands.Calls(), std::vector<std::string>{"aplay Data/beep.wav"});
    EXPECT_TRUE(testsupport::ChildProcesses().empty());
}

TEST(SoundPlayer, AMissingFileIsLoggedAndStartsNothing)
{
    SoundScene scene;
    std::remove("Data/beep.wav");
    std::remove("Data/Explosion.wav");
    SoundPlayer player;
    player.Play("Data/Explosion.wav", false);
    player.PlayAndWait("Data/beep.wav");
    EXPECT_FALSE(player.IsPlaying());
    Beep();  // silent, and says nothing

    EXPECT_EQ(scene.folder.Read("log.txt"),
              "Data/Explosion.wav non trovato.\nData/beep.wav non trovato.\n");
    EXPECT_TRUE(testsupport::ChildProcesses().empty());
    EXPECT_TRUE(scene.commands.Calls().empty());
}

TEST(SoundPlayer, TheNextPlayAndTheEndOfThePlayerEndTheRunningAplay)
{
    SoundScene scene;
    SlowAplay aplay(scene.folder.Path());
    {
        SoundPlayer player;
        player.Play("Data/Explosion.wav", false);
        ASSERT_TRUE(testsupport::WaitFor([&] { return aplay.Started().size() == 1; }));
        const pid_t first = aplay.Started()[0];

        player.Play("Data/beep.wav", false);
        EXPECT_TRUE(testsupport::WaitFor([&] { return testsupport::ProcessEnded(first); }));
        ASSERT_TRUE(testsupport::WaitFor([&] { return aplay.Started().size() == 2; }));
        EXPECT_TRUE(player.IsPlaying());
    }
    const pid_t second = aplay.Started()[1];
    EXPECT_TRUE(testsupport::WaitFor([&] { return testsupport::ProcessEnded(second); }));
    EXPECT_TRUE(testsupport::ChildProcesses().empty());
}

TEST(SoundPlayer, ManySoundsLeaveNoZombie)
{
    SoundScene scene;
    SoundPlayer player;
    for (int play = 0; play < 40; ++play) {
        player.Play("Data/beep.wav", false);
    }
    ASSERT_TRUE(testsupport::WaitFor([&] { return !player.IsPlaying(); }));
    EXPECT_TRUE(testsupport::ChildProcesses().empty());

    for (int beep = 0; beep < 20; ++beep) {
        Beep();
        EXPECT_TRUE(testsupport::ChildProcesses('Z').empty());
    }
    EXPECT_TRUE(testsupport::ChildProcesses().empty());
    EXPECT_TRUE(testsupport::WaitFor([&] {
        size_t beeps = 0;
        for (const std::string& call : scene.commands.Calls()) {
            beeps += call == "aplay Data/beep.wav" ? 1 : 0;
        }
        return beeps >= 21;  // every Beep, and at least the last Play
    }));
}

TEST(SoundPlayer, WaitingAndRepeatingPlays)
{
    SoundScene scene;
    PlayOnce("Data/Explosion.wav");
    EXPECT_EQ(scene.commands.Calls(), std::vector<std::string>{"aplay Data/Explosion.wav"});

    SoundPlayer player;
    player.Play("Data/beep.wav", true);
    EXPECT_TRUE(testsupport::WaitFor([&] { return scene.commands.Calls().size() >= 4; }));
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_TRUE(testsupport::ChildProcesses().empty());

    const size_t before = scene.commands.Calls().size();
    player.PlayAndWait("Data/beep.wav");
    EXPECT_EQ(scene.commands.Calls().size(), before + 1);
}

}  // namespace
}  // namespace tarnbrook
