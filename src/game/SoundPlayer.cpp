#include "game/SoundPlayer.h"

#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "app/Log.h"
#include "util/Command.h"
#include "util/FileUtils.h"

namespace tarnbrook {

namespace {

const char* const kBeepFile = "Data/beep.wav";

bool PlayCommand(const std::string& path)
{
    return RunCommand("aplay", path);
}

bool FileThere(const std::string& path)
{
    if (FileExists(path)) {
        return true;
    }
    WriteLog(path + " non trovato.");
    return false;
}

// Blocks until the child has ended, through interruptions by signals.
void WaitForChild(pid_t pid)
{
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// A sound child must be stoppable whatever the game did with SIGTERM, and it never runs the
// game's exit path (static destructors, atexit handlers, buffers of the X connection).
[[noreturn]] void RunSoundChild(const std::string& path, bool repeat)
{
    setpgid(0, 0);
    std::signal(SIGTERM, SIG_DFL);
    sigset_t terminate;
    sigemptyset(&terminate);
    sigaddset(&terminate, SIGTERM);
    sigprocmask(SIG_UNBLOCK, &terminate, nullptr);
    do {
        PlayCommand(path);
    } while (repeat);
    _exit(0);
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
    const pid_t child = fork();
    if (child < 0) {
        PlayCommand(path);
        return;
    }
    if (child == 0) {
        RunSoundChild(path, repeat);
    }
    // Set from both sides, so the group exists before either of them goes on.
    setpgid(child, child);
    pid_ = child;
    playing_ = true;
}

void SoundPlayer::Stop()
{
    ReapIfFinished();
    if (!playing_) {
        return;
    }
    kill(-pid_, SIGTERM);
    WaitForChild(pid_);
    pid_ = 0;
    playing_ = false;
}

void SoundPlayer::PlayAndWait(const std::string& path)
{
    if (!FileThere(path)) {
        return;
    }
    Stop();
    PlayCommand(path);
}

bool SoundPlayer::IsPlaying()
{
    ReapIfFinished();
    return playing_;
}

void SoundPlayer::ReapIfFinished()
{
    if (!playing_) {
        return;
    }
    // ECHILD: someone else collected it, so it is over all the same.
    const pid_t reaped = waitpid(pid_, nullptr, WNOHANG);
    if (reaped == pid_ || (reaped < 0 && errno == ECHILD)) {
        pid_ = 0;
        playing_ = false;
    }
}

void PlayOnce(const std::string& path)
{
    SoundPlayer player;
    player.PlayAndWait(path);
}

void Beep()
{
    if (!FileExists(kBeepFile)) {
        return;
    }
    // The intermediate child ends at once and is waited for here; the grandchild that plays is
    // then an orphan, reaped by the system, so a beep never leaves a zombie behind.
    const pid_t child = fork();
    if (child < 0) {
        PlayCommand(kBeepFile);
        return;
    }
    if (child == 0) {
        if (fork() == 0) {
            PlayCommand(kBeepFile);
        }
        _exit(0);
    }
    WaitForChild(child);
}

}  // namespace tarnbrook
