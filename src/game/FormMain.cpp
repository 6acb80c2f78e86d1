#include "game/FormMain.h"

#include <unistd.h>

#include <optional>

#include "app/Application.h"
#include "app/ProductInfo.h"
#include "dialogs/FormAbout.h"
#include "dialogs/FormMsgBox.h"
#include "dialogs/FormNamePlayer.h"
#include "game/BuiltInPictures.h"
#include "game/RankingFile.h"
#include "game/TileFile.h"
#include "gfx/EmbeddedImage.h"
#include "gfx/GraphicsContext.h"
#include "gfx/MyImage.h"
#include "ui/CellControl.h"
#include "ui/FormOf.h"
#include "ui/ImageFrame.h"
#include "ui/KeyCharacters.h"
#include "ui/Timer.h"
#include "ui/widgets/ButtonCustom.h"

namespace tarnbrook {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kCellSide = 27;
// Board cell (column, row), counted from 1, lies at (column x 27 + 178, row x 27 + 90).
constexpr int kBoardLeft = 178;
constexpr int kBoardTop = 90;
// The right column of buttons and labels: the x of the last board column plus 203.
constexpr int kRightColumnX = Board::kColumns * kCellSide + 203;

constexpr int64_t kBlack = 0x000000;
constexpr int64_t kWhite = 0xFFFFFF;
constexpr int64_t kCellBackColor = 0xAAAAAA;
constexpr int64_t kCommandFaceColor = 0xFFFDE5;
constexpr int64_t kStartFaceColor = 0xFF0000;
constexpr int64_t kTopBarColor = 0x0000FF;
constexpr int64_t kTickerTextColor = 0x00FFFF;

const char* const kRankingFolder = "Tarnbrook";
const char* const kStartCaption = "START";
const char* const kCancelCaption = "CANCEL";
const char* const kVersion = "1.0.0.0";

// A released left button over a board square (its OnMouseUp).
void CellReleased(GUIElement* cell, int64_t, Point)
{
    if (FormMain* form = FormOf<FormMain>(cell)) {
        form->CellClicked(cell);
    }
}

void TimerTicked(Timer* timer)
{
    if (FormMain* form = FormOf<FormMain>(timer)) {
        form->OnUserMessage();
    }
}

void NameDialogClosed(GUIElement* dialog)
{
    auto* nameDialog = FormOf<FormNamePlayer>(dialog);
    if (auto* form = nameDialog ? dynamic_cast<FormMain*>(nameDialog->GetOwnerForm()) : nullptr) {
        form->StoreRankingEntry();
    }
}

ImagePtr PictureImage(GUIElement* element, const BuiltInPicture& picture)
{
    return CreateXImage(element, Convert4BitImage(picture.width, picture.height, picture.data));
}

}  // namespace

FormMain::FormMain(Screen* screen, const std::string& title, Board::RandomSource random,
                   PauseFunction pause)
    : Form(nullptr),
      board_(*this, std::move(random)),
      pause_(std::move(pause)),
      soundPlayer_(std::make_unique<SoundPlayer>())
{
    if (screen) {
        SetScreen(screen);
    }
    SetSize(kWidth, kHeight);
    SetCaption(title);
    SetStyleFlagA(true);
    SetStyleFlagB(false);
    InstallHandlers();
    SetBackColor(kBackColor);
    LoadBinaryFile(kTileFilePath, tileData_, tileDataSize_, kTileFileBytes);
    if (tileDataSize_ == kTileFileBytes) {
        // The revealed hazard is also the game's icon in menus and task bars.
        SetIconPixels(TileIcon(tileData_.data(), Board::kHazardTile));
    }
    Create();
    if (!Application::mainForm) {
        Application::mainForm = this;
    }
}

// The timer and the sounds stop while the window exists; the members then go in the order
// their declaration gives.
FormMain::~FormMain()
{
    if (tickTimer_) {
        tickTimer_->Stop();
    }
    tickTimer_.reset();
    if (soundPlayer_) {
        soundPlayer_->Stop();
    }
    soundPlayer_.reset();
    DestroyWindow();
}

void FormMain::SleepThreeSeconds()
{
    sleep(3);
}

void FormMain::InstallHandlers()
{
    SetOnLoad([](GUIElement* form, int64_t) { FormOf<FormMain>(form)->InitControls(); });
    SetOnQueryClose([](GUIElement* form) { return FormOf<FormMain>(form)->ConfirmExit(); });
    SetOnResize([](GUIElement* form) { FormOf<FormMain>(form)->FormResized(); });
    SetOnKeyChar([](GUIElement* form, char) { return FormOf<FormMain>(form)->AcceptKeyChar(); });
    SetOnKeyDown([](GUIElement* form, KeySym) { FormOf<FormMain>(form)->FormKeyDown(); });
    SetOnKeyUp([](GUIElement* form, KeySym) { FormOf<FormMain>(form)->FormKeyUp(); });
    SetOnMouseDown([](GUIElement* form, int64_t, Point point) {
        FormOf<FormMain>(form)->FormMouseDown(point);
    });
}

void FormMain::InitControls()
{
    CreatePictures();
    labelRemaining_ = NewLabel(60, 30, 33, (GetClientHeight() - 30) / 2);
    labelRemaining_->SetText("0");
    labelRemaining_->SetBevel(true);
    labelRemaining_->Create();
    CreateCells();
    CreateLabels();
    CreateButtons();
    CreateTextLines();
    ticker_.SetLines(RankingFile(kRankingFolder).ReadLines());
    tickTimer_ = std::make_unique<Timer>(this, kTickInterval);
    tickTimer_->SetOnTimer(TimerTicked);
}

void FormMain::CreatePictures()
{
    // The images are attached at the first paint.
    struct Place {
        std::unique_ptr<MyImage>& picture;
        int width;
        int height;
        int x;
        int y;
    };
    const Place places[] = {
        {pictureTopRight_, 200, 50, width - 210, 35},
        {pictureBottomRight_, 160, 96, width - 160, height - 96},
        {pictureLeft_, 96, 96, 0, 35},
    };
    for (const Place& place : places) {
        place.picture = std::make_unique<MyImage>(this, nullptr);
        place.picture->SetSize(place.width, place.height);
        place.picture->Move(place.x, place.y);
        place.picture->Create();
    }
}

std::unique_ptr<CellControl> FormMain::NewLabel(int labelWidth, int labelHeight, int labelX,
                                                int labelY)
{
    auto label = std::make_unique<CellControl>(this);
    label->SetSize(labelWidth, labelHeight);
    label->Move(labelX, labelY);
    label->SetBackColor(GetBackColor());
    label->SetForeColor(kBlack);
    return label;
}

void FormMain::CreateCells()
{
    const unsigned char* tiles = tileDataSize_ == kTileFileBytes ? tileData_.data() : nullptr;
    for (int index = 0; index < Board::kCellCount; ++index) {
        CreateBoardCell(index, tiles);
    }
}

void FormMain::CreateBoardCell(int index, const unsigned char* tiles)
{
    const int column = index % Board::kColumns + 1;
    const int row = index / Board::kColumns + 1;
    auto cell = std::make_unique<ImageFrame>(this, tiles, kTileStripWidth, kTileSide,
                                             Board::FrameTile(index), 0);
    cell->SetSize(kCellSide, kCellSide);
    cell->Move(column * kCellSide + kBoardLeft, row * kCellSide + kBoardTop);
    cell->SetBackColor(kCellBackColor);
    cell->SetOnMouseUp(CellReleased);
    if (Board::IsInteriorIndex(index)) {
        cell->SetTag("1");
    }
    cell->Create();
    // Creating gives the square its id as its user value; from now on it carries its index.
    *cell->GetUserValueRef() = index;
    cells_[static_cast<size_t>(index)] = std::move(cell);
}

void FormMain::CreateLabels()
{
    labelScore_ = NewLabel(200, 28, kRightColumnX, 260);
    labelScore_->SetBevel(true);
    labelScore_->Create();
    labelLevel_ = NewLabel(200, 28, kRightColumnX, 300);
    labelLevel_->SetBevel(true);
    labelLevel_->Create();
}

std::unique_ptr<ButtonCustom> FormMain::NewButton(const std::string& caption, int buttonY,
                                                  int64_t foreColor, int64_t faceColor)
{
    auto button = std::make_unique<ButtonCustom>(this, caption);
    button->SetSize(100, 28);
    button->Move(kRightColumnX, buttonY);
    button->SetCommand(CallFormMember<FormMain, &FormMain::CommandClicked>);
    button->SetForeColor(foreColor);
    button->SetBackColor(faceColor);
    button->Create();
    return button;
}

void FormMain::CreateButtons()
{
    buttonInfo_ = NewButton("INFO", 170, kBlack, kCommandFaceColor);
    buttonExit_ = NewButton("EXIT", 200, kBlack, kCommandFaceColor);
    buttonStart_ = NewButton(kStartCaption, 140, kWhite, kStartFaceColor);
}

void FormMain::CreateTextLines()
{
    labelMessage_ = NewLabel(width - 200, 25, 100, 100);
    labelMessage_->Create();
    labelTopTen_ = NewLabel(width, 18, 0, 10);
    labelTopTen_->SetBackColor(kTopBarColor);
    labelTopTen_->SetForeColor(kTickerTextColor);
    labelTopTen_->SetTextAlign(TextAlign::Centre);
    labelTopTen_->Create();
}

void FormMain::Paint()
{
    if (created) {
        if (!firstPaintDone_) {
            FirstPaint();
        }
        PaintDecorations();
    }
    Form::Paint();
}

// Pictures, the score and level texts, the logo and the ticker's timer come with the first
// paint, once the window is on the screen.
void FormMain::FirstPaint()
{
    firstPaintDone_ = true;
    BuildPictureImages();
    board_.RefreshScoreLevel();
    board_.ShowLogo();
    tickTimer_->Start();
}

void FormMain::BuildPictureImages()
{
    imageTopRight_ = PictureImage(this, kTitleBanner);
    imageBottomRight_ = PictureImage(this, kStaircase);
    imageLeft_ = PictureImage(this, kColumn);
    aboutPicture_ = PictureImage(this, kAboutBanner);
    pictureTopRight_->SetImage(imageTopRight_.get());
    pictureTopRight_->Create();
    pictureBottomRight_->SetImage(imageBottomRight_.get());
    pictureBottomRight_->Create();
    pictureLeft_->SetImage(imageLeft_.get());
    pictureLeft_->Create();
}

// The three coloured blocks at the bottom left and the blue bar behind the ticker.
void FormMain::PaintDecorations()
{
    GraphicsContext gc(this);
    const int clientHeight = GetClientHeight();
    const int clientWidth = GetClientWidth();
    gc.FillRectangle(33, clientHeight - 40, 20, 15, 0x00AA00);
    gc.FillRectangle(53, clientHeight - 40, 20, 15, 0xFFFFFF);
    gc.FillRectangle(73, clientHeight - 40, 20, 15, 0xFF0000);
    gc.FillRectangle(0, 0, clientWidth, 20, kTopBarColor);
}

void FormMain::OnUserMessage()
{
    if (tickBusy_) {
        return;
    }
    tickBusy_ = true;
    if (std::optional<std::string> text = ticker_.Advance()) {
        labelTopTen_->SetText(*text);
    }
    board_.AdvanceOnTick();
    CollectEndedSounds();
    tickBusy_ = false;
}

void FormMain::OnDialogResult(uint32_t dialogId, uint32_t result)
{
    if (dialogId != kExitDialogId || result != FormMsgBox::kResultYes) {
        return;
    }
    if (tickTimer_) {
        tickTimer_->Stop();
    }
    Application::quitRequested = true;
}

bool FormMain::ConfirmExit()
{
    ShowMsgBoxYesNo(kExitDialogId, this, "Do you really want to go exit?", "Exit");
    return false;
}

void FormMain::FormResized() {}

bool FormMain::AcceptKeyChar()
{
    return true;
}

bool FormMain::IsNavigationKey(int key)
{
    return key != kTabCharacter && key != kReturnCharacter;
}

void FormMain::FormKeyDown() {}

void FormMain::FormKeyUp() {}

void FormMain::CellClicked(GUIElement* cell)
{
    const int64_t index = *cell->GetUserValueRef();
    if (index >= 0 && index < Board::kCellCount && GetCell(static_cast<int>(index)) == cell) {
        board_.CellClicked(static_cast<int>(index));
    }
}

void FormMain::FormMouseDown(Point)
{
    if (IsEnabled() || !activeDialog) {
        return;
    }
    Beep();
    activeDialog->Show();
}

void FormMain::CommandClicked(GUIElement* sender)
{
    const uint32_t senderId = sender->GetId();
    if (senderId == buttonExit_->GetId()) {
        if (ConfirmExit()) {
            Application::quitRequested = true;
        }
    } else if (senderId == buttonStart_->GetId()) {
        StartOrCancel();
    } else if (senderId == buttonInfo_->GetId()) {
        OpenAboutBox();
    }
}

void FormMain::StartOrCancel()
{
    if (buttonStart_->GetText() != kCancelCaption) {
        board_.StartGame();
        buttonStart_->SetText(kCancelCaption);
    } else {
        board_.CancelGame();
        buttonStart_->SetText(kStartCaption);
    }
}

void FormMain::OpenAboutBox()
{
    aboutForm_.reset();
    aboutForm_ = std::make_unique<FormAbout>(this);
    aboutForm_->SetScreen(GetScreen());
    aboutForm_->SetPicture(aboutPicture_.get(), kAboutBanner.width, kAboutBanner.height);
    aboutForm_->SetProductLine(std::string(kProductName) + " " + kVersion);
    aboutForm_->SetOwnershipLine(kOwnershipNotice);
    aboutForm_->SetNoticeText(kNoticeText);
    aboutForm_->SetWebAddress(kWebAddress);
    aboutForm_->Show();
}

void FormMain::GameOver(int score)
{
    buttonStart_->SetText(kStartCaption);
    if (score < 1) {
        return;
    }
    endedScore_ = score;
    endedLevel_ = board_.Level();
    AskPlayerName();
}

void FormMain::AskPlayerName()
{
    namePlayerForm_.reset();
    namePlayerForm_ = std::make_unique<FormNamePlayer>(this, "Top Ten");
    namePlayerForm_->SetOnClose(NameDialogClosed);
    namePlayerForm_->SetPrompt("Insert your name:");
    const Point position = GetPosition();
    const Point size = GetSize();
    const Point dialogSize = namePlayerForm_->GetSize();
    namePlayerForm_->Move(position.x + (size.x - dialogSize.x) / 2,
                          position.y + (size.y - dialogSize.y) / 2);
    namePlayerForm_->Show();
}

void FormMain::StoreRankingEntry()
{
    RankingFile file(kRankingFolder);
    // Without a save the bar keeps its lines; a ranking kept locked is then not waited for twice.
    if (file.AddEntry(endedScore_, RankingFile::Entry(playerName, endedLevel_))) {
        ticker_.SetLines(file.ReadLines());
    }
}

bool FormMain::IsInterior(int cell) const
{
    const auto& frame = cells_[static_cast<size_t>(cell)];
    return frame && frame->GetTag() == "1";
}

void FormMain::SetTile(int cell, int tile)
{
    cells_[static_cast<size_t>(cell)]->SetCell(tile, 0);
}

void FormMain::SetScoreText(const std::string& text)
{
    labelScore_->SetText(text);
}

void FormMain::SetLevelText(const std::string& text)
{
    labelLevel_->SetText(text);
}

void FormMain::SetRemainingText(const std::string& text)
{
    labelRemaining_->SetText(text);
}

void FormMain::SetMessageText(const std::string& text)
{
    labelMessage_->SetText(text);
}

void FormMain::PlaySound(const std::string& path)
{
    soundPlayer_->Play(path, false);
}

void FormMain::PauseThreeSeconds()
{
    if (pause_) {
        pause_();
    }
}

}  // namespace tarnbrook
