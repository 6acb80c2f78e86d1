#include "game/SoundPlayer.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include "app/EndedChildren.h"
#include "app/Log.h"
#include "util/Command.h"
#include "util/FileUtils.h"

namespace tarnbrook {

namespace {

using Clock = std::chrono::steady_clock;

const char* const kBeepFile = "Data/beep.wav";
// How long a sound asked to stop may take before it is killed.
constexpr auto kGrace = std::chrono::milliseconds(250);

struct SoundChild {
    pid_t pid;
    bool stopping;
    Clock::time_point killAt;
};

// Every sound child not collected yet. Each leads a group of its own, so a signal to the
// group also reaches the aplay a repeating shell started.
std::vector<SoundChild> soundChildren;
pid_t beepPid = 0;

// Collects the children that have ended, without waiting; kills those past their grace.
void CollectSounds()
{
    const Clock::time_point now = Clock::now();
    auto ended = [now](SoundChild& child) {
        const pid_t reaped = waitpid(child.pid, nullptr, WNOHANG);
        // ECHILD: someone else collected it, so it is over all the same.
        if (reaped == child.pid || (reaped < 0 && errno == ECHILD)) {
            return true;
        }
        if (child.stopping && now >= child.killAt) {
            kill(-child.pid, SIGKILL);
        }
        return false;
    };
    soundChildren.erase(std::remove_if(soundChildren.begin(), soundChildren.end(), ended),
                        soundChildren.end());
}

bool IsRunning(pid_t pid)
{
    CollectSounds();
    return pid > 0 && std::any_of(soundChildren.begin(), soundChildren.end(),
                                  [pid](const SoundChild& child) { return child.pid == pid; });
}

void AskToStop(SoundChild& child)
{
    if (!child.stopping) {
        kill(-child.pid, SIGTERM);
        child.stopping = true;
        child.killAt = Clock::now() + kGrace;
    }
}

// "aplay" and the path; repeating, a shell plays it again each time it ends well.
pid_t StartSound(const std::string& path, bool repeat)
{
    EndedChildren::Watch(CollectSounds);
    CollectSounds();
    const pid_t pid = repeat
                          ? StartProgram({"/bin/sh", "-c", "while aplay \"$0\"; do :; done", path})
                          : StartProgram({"aplay", path});
    if (pid > 0) {
        soundChildren.push_back(SoundChild{pid, false, Clock::time_point()});
    }
    return pid;
}

bool FileThere(const std::string& path)
{
    if (FileExists(path)) {
        return true;
    }
    WriteLog(path + " non trovato.");
    return false;
}

}  // namespace

SoundPlayer::~SoundPlayer()
{
    Stop();
}

void SoundPlayer::Play(const std::string& path, bool repeat)
{
    if (!FileThere(path)) {
        return;
    }
    Stop();
    pid_ = StartSound(path, repeat);
    playing_ = pid_ > 0;
}

void SoundPlayer::Stop()
{
    if (playing_) {
        for (SoundChild& child : soundChildren) {
            if (child.pid == pid_) {
                AskToStop(child);
            }
        }
    }
    CollectSounds();
    pid_ = 0;
    playing_ = false;
}

void SoundPlayer::PlayAndWait(const std::string& path)
{
    if (!FileThere(path)) {
        return;
    }
    Stop();
    const pid_t pid = StartProgram({"aplay", path});
    while (pid > 0 && waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

bool SoundPlayer::IsPlaying()
{
    playing_ = IsRunning(pid_) && playing_;
    return playing_;
}

void PlayOnce(const std::string& path)
{
    SoundPlayer player;
    player.PlayAndWait(path);
}

void Beep()
{
    if (!FileExists(kBeepFile) || IsRunning(beepPid)) {
        return;
    }
    beepPid = StartSound(kBeepFile, false);
}

void CollectEndedSounds()
{
    CollectSounds();
}

void EndSounds()
{
    for (SoundChild& child : soundChildren) {
        AskToStop(child);
    }
    const Clock::time_point giveUp = Clock::now() + 2 * kGrace;
    for (CollectSounds(); !soundChildren.empty() && Clock::now() < giveUp; CollectSounds()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace tarnbrook
