#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/Board.h"
#include "game/BoardView.h"
#include "game/RankingTicker.h"
#include "game/SoundPlayer.h"
#include "gfx/XImageFactory.h"
#include "ui/Form.h"

namespace tarnbrook {

class ButtonCustom;
class CellControl;
class FormAbout;
class FormNamePlayer;
class ImageFrame;
class MyImage;
class Screen;
class Timer;

// The game's main window: the 12 x 15 board, the START/CANCEL, INFO and EXIT buttons, the
// score, level, remaining and message labels, the ranking ticker in the blue top bar and the
// built-in pictures. The board rules (Board) decide; this window shows what they decide and
// ties them to the mouse, the 1200 ms timer and the dialogs. It owns everything it shows.
//
// The window is created (and its children built) by the constructor.
class FormMain : public Form, public BoardView {
public:
    using PauseFunction = std::function<void()>;

    static constexpr int64_t kBackColor = 0x00C0C0;
    static constexpr uint32_t kExitDialogId = 1000;
    static constexpr uint32_t kTickInterval = 1200;

    // The random source and the three-second pause are what a test or a benchmark replaces;
    // the game uses the real ones.
    FormMain(Screen* screen, const std::string& title, Board::RandomSource random = RandomInRange,
             PauseFunction pause = SleepThreeSeconds);
    ~FormMain() override;

    static void SleepThreeSeconds();

    void Paint() override;
    void OnUserMessage() override;  // the ticker tick
    void OnDialogResult(uint32_t dialogId, uint32_t result) override;

    // Slots after those of Form, in this order.
    virtual void InitControls();
    virtual bool ConfirmExit();  // opens the exit question; always false
    virtual void FormResized();
    virtual bool AcceptKeyChar();
    virtual bool IsNavigationKey(int key);
    virtual void FormKeyDown();
    virtual void FormKeyUp();
    virtual void CellClicked(GUIElement* cell);  // a square carries its index as its user value
    virtual void FormMouseDown(Point point);
    virtual void CommandClicked(GUIElement* sender);

    // The name dialog closed: the result of the game that ended enters the ranking.
    void StoreRankingEntry();

    // BoardView.
    bool IsInterior(int cell) const override;
    void SetTile(int cell, int tile) override;
    void SetScoreText(const std::string& text) override;
    void SetLevelText(const std::string& text) override;
    void SetRemainingText(const std::string& text) override;
    void SetMessageText(const std::string& text) override;
    void PlaySound(const std::string& path) override;
    void PauseThreeSeconds() override;
    void GameOver(int score) override;

    const Board& GetBoard() const { return board_; }
    const RankingTicker& GetTicker() const { return ticker_; }
    ButtonCustom* GetStartButton() const { return buttonStart_.get(); }
    ButtonCustom* GetInfoButton() const { return buttonInfo_.get(); }
    ImageFrame* GetCell(int index) const { return cells_[static_cast<size_t>(index)].get(); }

private:
    void InstallHandlers();
    void CreatePictures();
    void CreateLabels();
    void CreateCells();
    void CreateButtons();
    void CreateTextLines();
    void CreateBoardCell(int index, const unsigned char* tiles);
    std::unique_ptr<CellControl> NewLabel(int labelWidth, int labelHeight, int labelX, int labelY);
    std::unique_ptr<ButtonCustom> NewButton(const std::string& caption, int buttonY,
                                            int64_t foreColor, int64_t faceColor);
    void FirstPaint();
    void BuildPictureImages();
    void PaintDecorations();
    void StartOrCancel();
    void OpenAboutBox();
    void AskPlayerName();

    Board board_;
    PauseFunction pause_;
    RankingTicker ticker_;
    bool firstPaintDone_ = false;
    // A tick that runs into itself (the three-second pause of a completed level) returns at once.
    bool tickBusy_ = false;
    // The result the name dialog is asked for, kept from the moment the game ended.
    int endedScore_ = 0;
    int endedLevel_ = 0;
    // Stopped and released by the destructor while the window still exists.
    std::unique_ptr<SoundPlayer> soundPlayer_;
    std::unique_ptr<Timer> tickTimer_;

    // Everything below goes after the window, in the reverse of this order: the dialogs first,
    // then the elements, then the pictures the elements show and the tiles the cells draw from.
    std::vector<unsigned char> tileData_;
    int tileDataSize_ = 0;
    ImagePtr imageTopRight_;
    ImagePtr imageBottomRight_;
    ImagePtr imageLeft_;
    ImagePtr aboutPicture_;
    std::unique_ptr<CellControl> labelScore_;
    std::unique_ptr<CellControl> labelLevel_;
    std::array<std::unique_ptr<ImageFrame>, Board::kCellCount> cells_;
    std::unique_ptr<CellControl> labelRemaining_;
    std::unique_ptr<CellControl> labelMessage_;
    std::unique_ptr<CellControl> labelTopTen_;
    std::unique_ptr<MyImage> pictureLeft_;
    std::unique_ptr<MyImage> pictureBottomRight_;
    std::unique_ptr<MyImage> pictureTopRight_;
    std::unique_ptr<ButtonCustom> buttonStart_;
    std::unique_ptr<ButtonCustom> buttonInfo_;
    std::unique_ptr<ButtonCustom> buttonExit_;
    std::unique_ptr<FormNamePlayer> namePlayerForm_;
    std::unique_ptr<FormAbout> aboutForm_;
};

}  // namespace tarnbrook
