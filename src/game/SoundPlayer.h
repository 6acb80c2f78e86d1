#pragma once

#include <string>
#include <sys/types.h>

namespace tarnbrook {

// Plays WAVE files with the external "aplay", started directly as a child of the game, so the
// game never waits for a sound. Every sound child of the process is kept in one list: finished
// ones are collected, without waiting, by the event loop as soon as they end (EndedChildren), and
// at the next sound call or CollectEndedSounds; one asked to stop gets SIGTERM and, if it is
// still there after a short grace, SIGKILL at a later call or at EndSounds.
class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the file and returns at once; a sound still playing is stopped first. With repeat
    // the file plays over and over until Stop.
    void Play(const std::string& path, bool repeat);
    // Asks the sound to end and returns at once.
    void Stop();
    // Plays the file and returns when it has ended.
    void PlayAndWait(const std::string& path);
    bool IsPlaying();

private:
    pid_t pid_ = 0;
    bool playing_ = false;
};

// Plays the file once and returns when it has ended.
void PlayOnce(const std::string& path);
// Starts "Data/beep.wav", if it is there, without waiting for it. A beep asked for while the
// last one still plays is dropped: at most one beep plays at a time.
void Beep();
// Collects the sound children that have ended and kills those past their grace, without
// waiting; the main window calls it on every tick so that no stopped sound plays on long.
void CollectEndedSounds();
// Ends every sound child still there and collects it, waiting half a second at most; a child
// that ignores SIGTERM is killed. For the end of the program.
void EndSounds();

}  // namespace tarnbrook
