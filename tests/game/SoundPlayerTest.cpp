#include "game/SoundPlayer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/ChildProcesses.h"
#include "support/FakeCommands.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"

namespace tarnbrook {
namespace {

using Calls = std::vector<std::string>;
using testsupport::ChildProcesses;
using testsupport::ProcessEnded;
using testsupport::WaitFor;

// The sound files in a scratch folder, and a fake aplay that plays for the seconds given.
struct SoundScene {
    explicit SoundScene(int seconds = 0) : commands(folder.Path(), seconds)
    {
        folder.Write("Data/beep.wav", "RIFF");
        folder.Write("Data/Explosion.wav", "RIFF");
    }

    testsupport::ScratchFolder folder;
    testsupport::FakeCommands commands;
};

// Each aplay is a child of the game itself: no copy of the game runs meanwhile. One beep at a
// time; Stop does not wait for a player ignoring SIGTERM, EndSounds kills it.
TEST(SoundPlayer, TheNextPlayTheEndOfThePlayerAndTheEndOfTheGameEndTheRunningAplay)
{
    SoundScene scene(30);
    {
        SoundPlayer player;
        player.Play("Data/Explosion.wav", false);
        ASSERT_TRUE(WaitFor([&] { return scene.commands.Pids().size() == 1; }));
        player.Play("Data/beep.wav", false);
        EXPECT_TRUE(WaitFor([&] { return ProcessEnded(scene.commands.Pids()[0]); }));
        ASSERT_TRUE(WaitFor([&] { return scene.commands.Pids().size() == 2; }));
        EXPECT_TRUE(player.IsPlaying());
    }
    EXPECT_TRUE(WaitFor([&] { return ProcessEnded(scene.commands.Pids()[1]); }));
    EXPECT_EQ(scene.commands.Calls(), (Calls{"aplay Data/Explosion.wav", "aplay Data/beep.wav"}));
    EXPECT_EQ(scene.commands.Parents(), (std::vector<pid_t>{getpid(), getpid()}));

    for (int beep = 0; beep < 5; ++beep) {
        Beep();
    }
    EXPECT_EQ(ChildProcesses().size(), 1u);
    ASSERT_TRUE(WaitFor([&] { return scene.commands.Pids().size() == 3; }));
    scene.folder.Write("fake-bin/aplay", "#!/bin/sh\ntrap '' TERM\necho $$ >> '" +
                                             scene.folder.Path() +
                                             "/fake-calls.txt.pids'\nexec sleep 30\n");
    SoundPlayer player;
    player.Play("Data/Explosion.wav", false);
    ASSERT_TRUE(WaitFor([&] { return scene.commands.Pids().size() == 4; }));
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(ProcessEnded(scene.commands.Pids()[3]));

    EndSounds();
    EXPECT_TRUE(ChildProcesses().empty());
    EXPECT_EQ(scene.commands.Count("aplay Data/beep.wav"), 2);
}

// Ended sounds are reaped without waiting; repeating and waiting plays.
TEST(SoundPlayer, ManySoundsLeaveNoZombieAndRepeatingAndWaitingPlays)
{
    SoundScene scene;
    SoundPlayer player;
    for (int play = 0; play < 40; ++play) {
        player.Play("Data/beep.wav", false);
        Beep();
    }
    EXPECT_TRUE(WaitFor([&] { return !player.IsPlaying() && ChildProcesses().empty(); }));
    EXPECT_TRUE(WaitFor([&] { return scene.commands.Count("aplay Data/beep.wav") >= 2; }));

    const size_t played = scene.commands.Calls().size();
    player.Play("Data/beep.wav", true);
    EXPECT_TRUE(WaitFor([&] { return scene.commands.Calls().size() >= played + 3; }));
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_TRUE(WaitFor([&] { return !player.IsPlaying() && ChildProcesses().empty(); }));

    const size_t before = scene.commands.Calls().size();
    player.PlayAndWait("Data/beep.wav");
    EXPECT_EQ(scene.commands.Calls().size(), before + 1);
    PlayOnce("Data/Explosion.wav");
    EXPECT_EQ(scene.commands.Count("aplay Data/Explosion.wav"), 1);
}

}  // namespace
}  // namespace tarnbrook
