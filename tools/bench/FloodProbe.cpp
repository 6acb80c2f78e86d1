#include "FloodProbe.h"

#include <X11/extensions/XTest.h>
#include <sys/select.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "GameProcess.h"
#include "app/Application.h"
#include "app/EventDispatch.h"
#include "app/ProductInfo.h"
#include "game/Board.h"
#include "game/FormMain.h"
#include "gfx/Screen.h"
#include "ui/widgets/ButtonCustom.h"

namespace benchmark {

using tarnbrook::Board;

namespace {

constexpr int kClickedCell = Board::kColumns + 1;  // row 1, column 1: the upper left corner
constexpr int kCellSide = 27;

// Ten hazards in rows 12 and 13, columns 6 to 10: far from the click.
std::vector<int> HazardBlock()
{
    std::vector<int> cells;
    for (int row = 12; row <= 13; ++row) {
        for (int column = 6; column <= 10; ++column) {
            cells.push_back(row * Board::kColumns + column);
        }
    }
    return cells;
}

bool WaitForEvent(Display* display, int timeoutMs)
{
    if (XPending(display) > 0) {
        return true;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(ConnectionNumber(display), &readable);
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &timeout);
    return XPending(display) > 0;
}

}  // namespace

FloodProbe::FloodProbe() : title_(tarnbrook::ComposeTitle()), hazards_(HazardBlock())
{
    input_ = OpenDisplayPatiently();
    if (!input_) {
        return;
    }
    // The game's own connection is opened once, as the game does; give the server a moment
    // after the connections of the runs before.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    screen_ = std::make_unique<tarnbrook::Screen>(title_.c_str());
    if (screen_->HasOpenFailed()) {
        return;
    }
    auto scripted = [this](int, int) { return hazards_[nextHazard_++ % hazards_.size()]; };
    form_ = std::make_unique<tarnbrook::FormMain>(screen_.get(), title_, scripted, [] {});
    if (!DispatchUntil(Expose, 5000)) {
        form_.reset();
    }
}

FloodProbe::~FloodProbe()
{
    form_.reset();
    if (input_) {
        XCloseDisplay(input_);
    }
    if (screen_ && !screen_->HasOpenFailed()) {
        screen_->Close();
    }
}

// Handles the game's events until one of the given type has been handled, then waits until
// the server has carried out everything the handlers asked for.
bool FloodProbe::DispatchUntil(int eventType, int timeoutMs)
{
    Display* display = screen_->GetDisplay();
    const double end = NowMs() + timeoutMs;
    bool seen = false;
    while (!seen && NowMs() < end) {
        if (!WaitForEvent(display, 10)) {
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        tarnbrook::DispatchEvent(event, form_.get());
        seen = event.type == eventType;
    }
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        tarnbrook::DispatchEvent(event, form_.get());
    }
    return seen;
}

void FloodProbe::StartGame()
{
    tarnbrook::ButtonCustom* start = form_->GetStartButton();
    if (start->GetText() == "CANCEL") {
        form_->CommandClicked(start);
    }
    form_->CommandClicked(start);
    XSync(screen_->GetDisplay(), False);
}

void FloodProbe::MovePointerToCell(int index)
{
    const int x = (index % Board::kColumns + 1) * kCellSide + 178 + kCellSide / 2;
    const int y = (index / Board::kColumns + 1) * kCellSide + 90 + kCellSide / 2;
    int rootX = 0;
    int rootY = 0;
    Window child;
    XTranslateCoordinates(input_, form_->GetWindow(), DefaultRootWindow(input_), x, y, &rootX,
                          &rootY, &child);
    XTestFakeMotionEvent(input_, -1, rootX, rootY, CurrentTime);
    XSync(input_, False);
    DispatchUntil(MotionNotify, 1000);
}

bool FloodProbe::WholeBoardOpen() const
{
    const Board& board = form_->GetBoard();
    for (int cell = 0; cell < Board::kCellCount; ++cell) {
        if (Board::IsInteriorIndex(cell) && !board.IsHazard(cell) &&
            board.Tile(cell) == Board::kCoveredTile) {
            return false;
        }
    }
    return true;
}

double FloodProbe::Run()
{
    if (!form_) {
        return -1;
    }
    StartGame();
    MovePointerToCell(kClickedCell);
    const double start = NowMs();
    XTestFakeButtonEvent(input_, Button1, True, CurrentTime);
    XTestFakeButtonEvent(input_, Button1, False, CurrentTime);
    XFlush(input_);
    if (!DispatchUntil(ButtonRelease, 5000)) {
        return -1;
    }
    const double elapsed = NowMs() - start;
    return WholeBoardOpen() ? elapsed : -1;
}

}  // namespace benchmark
