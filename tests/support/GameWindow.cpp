#include "support/GameWindow.h"

#include <X11/Xutil.h>

#include <fstream>
#include <iterator>

#include "support/WaitFor.h"

namespace testsupport {

namespace {

constexpr int kTileCount = 19;
constexpr int kSheetWidth = kTileCount * GameWindow::kCellSize;

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int SheetPixel(const std::vector<unsigned char>& sheet, int x, int y)
{
    const size_t offset = (static_cast<size_t>(y) * kSheetWidth + static_cast<size_t>(x)) * 3;
    return (sheet[offset] << 16) | (sheet[offset + 1] << 8) | sheet[offset + 2];
}

int MatchTile(XImage* image, int left, int top, const std::vector<unsigned char>& sheet)
{
    for (int tile = 0; tile < kTileCount; ++tile) {
        bool same = true;
        for (int y = 0; same && y < GameWindow::kCellSize; ++y) {
            for (int x = 0; same && x < GameWindow::kCellSize; ++x) {
                const int shown = static_cast<int>(XGetPixel(image, left + x, top + y) & 0xFFFFFF);
                same = shown == SheetPixel(sheet, tile * GameWindow::kCellSize + x, y);
            }
        }
        if (same) {
            return tile;
        }
    }
    return GameWindow::kUnknownTile;
}

// Windows of the game come and go while they are looked at: errors about vanished windows are
// expected and must neither end the test nor reach a log.
class IgnoredXErrors {
public:
    explicit IgnoredXErrors(Display* display) : display_(display)
    {
        XSync(display_, False);
        previous_ = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~IgnoredXErrors()
    {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoredXErrors(const IgnoredXErrors&) = delete;
    IgnoredXErrors& operator=(const IgnoredXErrors&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};

}  // namespace

GameWindow::GameWindow() : display_(input_.GetDisplay()) {}

GameWindow::~GameWindow() = default;

bool GameWindow::WaitForWindow(const std::string& titlePrefix, int timeoutMs)
{
    if (!display_) {
        return false;
    }
    return WaitFor([&] {
        IgnoredXErrors ignored(display_);
        window_ = FindByTitle(DefaultRootWindow(display_), titlePrefix);
        if (!window_) {
            return false;
        }
        XWindowAttributes attributes;
        return XGetWindowAttributes(display_, window_, &attributes) && attributes.map_state == IsViewable;
    }, timeoutMs);
}

Window GameWindow::FindByTitle(Window parent, const std::string& titlePrefix)
{
    Window root;
    Window ignored;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, parent, &root, &ignored, &children, &count)) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display_, children[i], &name) && name) {
            if (std::string(name).rfind(titlePrefix, 0) == 0) {
                found = children[i];
            }
            XFree(name);
        }
        if (!found) {
            found = FindByTitle(children[i], titlePrefix);  // under a window manager's frame
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

int GameWindow::PixelAt(int x, int y)
{
    IgnoredXErrors ignored(display_);
    XImage* image = XGetImage(display_, window_, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return -1;
    }
    const int pixel = static_cast<int>(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return pixel;
}

int GameWindow::CellX(int index)
{
    return (index % kColumns + 1) * kCellSize + 178;
}

int GameWindow::CellY(int index)
{
    return (index / kColumns + 1) * kCellSize + 90;
}

std::vector<int> GameWindow::ReadBoard(const std::string& tileFile)
{
    const std::vector<unsigned char> sheet = ReadFile(tileFile);
    std::vector<int> tiles(kColumns * kRows, kUnknownTile);
    if (sheet.size() != static_cast<size_t>(kSheetWidth * kCellSize * 3)) {
        return tiles;
    }
    const int left = CellX(0);
    const int top = CellY(0);
    IgnoredXErrors ignored(display_);
    XImage* image = XGetImage(display_, window_, left, top, kColumns * kCellSize, kRows * kCellSize, AllPlanes,
                              ZPixmap);
    if (!image) {
        return tiles;
    }
    for (int i = 0; i < kColumns * kRows; ++i) {
        tiles[static_cast<size_t>(i)] = MatchTile(image, CellX(i) - left, CellY(i) - top, sheet);
    }
    XDestroyImage(image);
    return tiles;
}

bool GameWindow::WaitForBoard(const std::string& tileFile, const std::vector<int>& expected, int timeoutMs)
{
    return WaitFor([&] { return ReadBoard(tileFile) == expected; }, timeoutMs);
}

void GameWindow::ClickCell(int index)
{
    ClickAt(CellX(index) + kCellSize / 2, CellY(index) + kCellSize / 2);
}

void GameWindow::ClickAt(int x, int y)
{
    input_.Click(window_, x, y);
}

int GameWindow::RootX()
{
    int rootX = 0;
    int rootY = 0;
    Window child;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &rootX, &rootY, &child);
    return rootX;
}

int GameWindow::RootY()
{
    int rootX = 0;
    int rootY = 0;
    Window child;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &rootX, &rootY, &child);
    return rootY;
}

// The child of the root window that holds the window: itself, or a window manager's frame.
Window GameWindow::TopLevelOf(Window window)
{
    for (;;) {
        Window root;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, window, &root, &parent, &children, &count)) {
            return 0;
        }
        if (children) {
            XFree(children);
        }
        if (parent == root || parent == 0) {
            return window;
        }
        window = parent;
    }
}

bool GameWindow::IsAbove(Window other)
{
    const Window upper = TopLevelOf(window_);
    const Window lower = TopLevelOf(other);
    Window root;
    Window parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
        return false;
    }
    // Children come bottom first.
    int upperAt = -1;
    int lowerAt = -1;
    for (unsigned int i = 0; i < count; ++i) {
        upperAt = children[i] == upper ? static_cast<int>(i) : upperAt;
        lowerAt = children[i] == lower ? static_cast<int>(i) : lowerAt;
    }
    if (children) {
        XFree(children);
    }
    return upperAt >= 0 && lowerAt >= 0 && upperAt > lowerAt;
}

bool GameWindow::Exists()
{
    IgnoredXErrors ignored(display_);
    XWindowAttributes attributes;
    return window_ && XGetWindowAttributes(display_, window_, &attributes) != 0;
}

}  // namespace testsupport
