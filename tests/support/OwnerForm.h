#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "gfx/Screen.h"
#include "ui/Form.h"

namespace testsupport {

// The connection of an OwnerForm. A base listed before the form, so that it opens before the
// form is made and closes only after the form (its window and font) is gone.
struct OwnConnection {
    tarnbrook::Screen ownScreen{"tests"};
};

// A form shown on the tests' X server for dialogs to open over. It records every result a
// dialog reports (dialog id, result), runs an optional action when one arrives, and ends the
// event loop on a user message.
class OwnerForm : private OwnConnection, public tarnbrook::Form {
public:
    using Result = std::pair<uint32_t, uint32_t>;

    // Shown at (x, y) with the size given, and mapped before the constructor returns.
    OwnerForm(int x = 100, int y = 80, int width = 400, int height = 300);
    ~OwnerForm() override;

    void OnDialogResult(uint32_t dialogId, uint32_t result) override;
    void OnUserMessage() override;

    const std::vector<Result>& Results() const { return results_; }
    void OnResult(std::function<void(uint32_t dialogId)> action) { action_ = std::move(action); }
    tarnbrook::Screen& GetOwnScreen() { return ownScreen; }
    Display* GetDisplay() const { return ownScreen.GetDisplay(); }

private:
    std::vector<Result> results_;
    std::function<void(uint32_t)> action_;
};

// Whether the window is mapped and viewable, waiting a bounded time for it.
bool WaitViewable(Display* display, Window window);
// How many top-level windows the server has (children of the root window).
int CountTopLevelWindows(Display* display);

}  // namespace testsupport
