#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <vector>

namespace tarnbrook {
class FormMain;
class Screen;
}  // namespace tarnbrook

namespace benchmark {

// The main window built in this process over a scripted board whose hazards lie together in
// the lower right corner, so that a click in the upper left corner opens every safe square.
// Each run starts a game and clicks through XTest from a second connection; the time runs
// from the click to the moment the server has drawn the last square.
class FloodProbe {
public:
    FloodProbe();
    ~FloodProbe();
    FloodProbe(const FloodProbe&) = delete;
    FloodProbe& operator=(const FloodProbe&) = delete;

    bool Ready() const { return form_ != nullptr; }
    // Milliseconds from the click to the last repaint, or a negative number on failure.
    double Run();

private:
    void StartGame();
    bool DispatchUntil(int eventType, int timeoutMs);
    void MovePointerToCell(int index);
    bool WholeBoardOpen() const;

    std::string title_;  // the display connection keeps a pointer to it
    std::unique_ptr<tarnbrook::Screen> screen_;
    std::unique_ptr<tarnbrook::FormMain> form_;
    Display* input_ = nullptr;  // the clicking connection
    std::vector<int> hazards_;
    size_t nextHazard_ = 0;
};

}  // namespace benchmark
