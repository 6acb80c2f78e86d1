#include "support/WaitFor.h"

#include <chrono>
#include <thread>

namespace testsupport {

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (; !condition(); std::this_thread::sleep_for(std::chrono::milliseconds(2))) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
    }
    return true;
}

}  // namespace testsupport
