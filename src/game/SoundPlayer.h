#pragma once

#include <string>
#include <sys/types.h>

namespace tarnbrook {

// Plays WAVE files with the external "aplay" in a forked child, so the game never waits for a
// sound. The child leads a process group of its own, so that stopping it also ends the shell
// and the aplay it started. A finished child is reaped at the player's next Play, Stop,
// IsPlaying or at its end, so at most the last one waits meanwhile.
class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the file and returns at once; a sound still playing is stopped first. With repeat
    // the file plays over and over until Stop.
    void Play(const std::string& path, bool repeat);
    void Stop();
    // Plays the file in the calling process and returns when it has ended.
    void PlayAndWait(const std::string& path);
    bool IsPlaying();

private:
    void ReapIfFinished();

    pid_t pid_ = 0;
    bool playing_ = false;
};

// Plays the file once and returns when it has ended.
void PlayOnce(const std::string& path);
// Starts "Data/beep.wav", if it is there, without waiting for it.
void Beep();

}  // namespace tarnbrook
