#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "support/InputDriver.h"

namespace testsupport {

// The end-to-end view of the running game: finds its main window on $DISPLAY by title, reads
// the board back from the screen and clicks like a player, through a connection of its own.
class GameWindow {
public:
    static constexpr int kColumns = 12;
    static constexpr int kRows = 15;
    static constexpr int kCellSize = 27;
    static constexpr int kUnknownTile = -1;

    GameWindow();
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Waits until a top-level window whose name begins with titlePrefix is mapped.
    bool WaitForWindow(const std::string& titlePrefix = "Tarnbrook - ", int timeoutMs = 10000);
    Window Id() const { return window_; }
    Display* GetDisplay() const { return display_; }
    InputDriver& Input() { return input_; }

    int PixelAt(int x, int y);  // 0xRRGGBB in window coordinates; -1 when it cannot be read
    // Window coordinates of the top-left pixel of board cell i (row-major, 12 per row).
    static int CellX(int index);
    static int CellY(int index);
    // The tile (0..18) each cell shows, compared with the tiles of tileFile; kUnknownTile where
    // a square matches none of them.
    std::vector<int> ReadBoard(const std::string& tileFile);
    bool WaitForBoard(const std::string& tileFile, const std::vector<int>& expected, int timeoutMs = 5000);

    void ClickCell(int index);
    void ClickAt(int x, int y);  // window coordinates, left button

    // Where the window's inside lies on the screen.
    int RootX();
    int RootY();
    // Whether this window (or the frame a window manager put around it) is stacked above the
    // other one.
    bool IsAbove(Window other);
    // Whether the window still exists.
    bool Exists();

private:
    Window FindByTitle(Window parent, const std::string& titlePrefix);
    Window TopLevelOf(Window window);

    InputDriver input_;
    Display* display_ = nullptr;
    Window window_ = 0;
};

}  // namespace testsupport
