#pragma once

#include <string>

namespace tarnbrook {

// Everything the board rules ask of the window that shows them. The main window implements it;
// the rules themselves never touch a display.
class BoardView {
public:
    virtual ~BoardView() = default;

    // Playable cells are the ones the window tagged "1".
    virtual bool IsInterior(int cell) const = 0;
    virtual void SetTile(int cell, int tile) = 0;

    virtual void SetScoreText(const std::string& text) = 0;
    virtual void SetLevelText(const std::string& text) = 0;
    virtual void SetRemainingText(const std::string& text) = 0;
    virtual void SetMessageText(const std::string& text) = 0;

    // Starts the sound file without repetition and returns at once.
    virtual void PlaySound(const std::string& path) = 0;
    // Blocks for three seconds once a level is completed; nothing is served meanwhile.
    virtual void PauseThreeSeconds() = 0;
    // A hazard ended the game: the hazards are revealed and the message reads "The end!".
    // The window turns its button back to START and, for a positive score, asks for a name.
    virtual void GameOver(int score) = 0;
};

}  // namespace tarnbrook
